// Drawing of every object class on a canvas that already carries the view mapping.
#include "model/drawing_objects.h"
#include "view/paint_context.h"

namespace velmora {

void TObj::DrawShape(Canvas&, const PaintContext&, int) const {}
void TObj::DrawSolidMode(Canvas&, const PaintContext&) const {}
void TObj::DrawHatchedMode(Canvas&, const PaintContext&, int) const {}
void TObj::Paint(Canvas&, const PaintContext&, int) const {}
void TObj::PaintScaled(Canvas&, const PaintContext&, const Rect&, int) const {}
void TLineobj::DrawShape(Canvas&, const PaintContext&, int) const {}
void TArcobj::DrawShape(Canvas&, const PaintContext&, int) const {}
void TTextobj::DrawShape(Canvas&, const PaintContext&, int) const {}
void TEllipseobj::DrawShape(Canvas&, const PaintContext&, int) const {}
void TCircleobj::DrawShape(Canvas&, const PaintContext&, int) const {}
void TRndrectobj::DrawShape(Canvas&, const PaintContext&, int) const {}
void TExtwallobj::DrawShape(Canvas&, const PaintContext&, int) const {}
void TExtwallobj::DrawSolidMode(Canvas&, const PaintContext&) const {}
void TExtwallobj::DrawHatchedMode(Canvas&, const PaintContext&, int) const {}
void TInwallobj::DrawShape(Canvas&, const PaintContext&, int) const {}
void TInwallobj::DrawSolidMode(Canvas&, const PaintContext&) const {}
void TInwallobj::DrawHatchedMode(Canvas&, const PaintContext&, int) const {}
void TArrowobj::DrawShape(Canvas&, const PaintContext&, int) const {}
void TDimensobj::DrawShape(Canvas&, const PaintContext&, int) const {}
void TRoomobj::DrawShape(Canvas&, const PaintContext&, int) const {}
void TPolyobj::DrawShape(Canvas&, const PaintContext&, int) const {}

} // namespace velmora
