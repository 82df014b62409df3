// The commit of the line object tool: the tool's points become one TLineobj of the tool's mode, painted at
// once, appended and saved. The tool remembers which object it made, so the steps after a commit work on
// that object and never on whatever happens to be last in the list.
#include "app/drawing_store.h"
#include "app/keep_changes.h"
#include "model/drawing_objects.h"
#include "tools/line_tool.h"

#include <memory>

namespace velmora {

void TLineobjtool::Commit(Canvas& dc, Size) {
    MadeIndex = -1;
    const auto cls = ClassOfKind(Mode);
    if (!CanCommit() || !cls || *cls != ObjClass::Line) return;
    auto line = std::make_unique<TLineobj>(Mode, S.CurrentView, LinkNo, ElementNo, X1, Y1, X2, Y2, PenColour,
                                           PenWidth, LineStyle);
    line->Z1 = XA;
    line->Z2 = XB;
    line->LineAttrA = Angle;
    line->LineAttrB = GuideY;
    PaintAtOnce(dc, *line);
    S.DrawingObjects.Append(std::move(line));
    MadeIndex = S.DrawingObjects.ObjectCount() - 1;
    BoxX1 = X1, BoxY1 = Y1, BoxX2 = X2, BoxY2 = Y2;
    WriteDrawing(S, U, ModeWorking);
    if (S.SaveState == 0) S.SaveState = 1;
    Marked = (Mode == ModePlainLine || Mode == ModeConstruction) ? 1 : 0;
}

} // namespace velmora
