// Drawing of the lettered objects: texts, and design rooms with their name and sizes.
#include "model/drawing_objects.h"
#include "model/object_list.h"
#include "view/paint_context.h"
#include "view/render_support.h"

namespace velmora {

using render::Lg;

namespace {

// The printed direction of a text. Printing with mirrored angles reflects every direction about the vertical
// (900 and 2700 swap); 0 and 1800 read the same either way.
int TextEscapement(int angle, const PaintContext& pc) {
    if (!(pc.Printing && pc.PrintFlipAngles) || angle == 0 || angle == 1800) return angle;
    return 3600 - angle;
}

int TextWeight(int weight, const PaintContext& pc) {
    if (!pc.Printing) return weight < 500 ? 400 : 700;
    // On paper the strokes are as heavy as the pen factor makes them.
    if (pc.DefaultZoom == 5) return 500;
    if (pc.DefaultZoom == 3) return 400;
    return 250;
}

} // namespace

namespace render {

// Alignment 1 depends on the direction; other directions keep whatever anchor the canvas already has.
void SetTextAnchor(Canvas& dc, int align, int angle) {
    switch (align) {
    case 1:
        if (angle == 0)
            dc.SetTextAlign(TextHAlign::Centre, TextVAlign::Baseline);
        else if (angle == 2700)
            dc.SetTextAlign(TextHAlign::Left, TextVAlign::Baseline);
        break;
    case 2:
    case 3:
        dc.SetTextAlign(TextHAlign::Left, TextVAlign::Baseline);
        break;
    case 4:
        dc.SetTextAlign(TextHAlign::Centre, TextVAlign::Top);
        break;
    case 5:
        dc.SetTextAlign(TextHAlign::Left, TextVAlign::Top);
        break;
    case 6:
        dc.SetTextAlign(TextHAlign::Centre, TextVAlign::Baseline);
        break;
    default:
        break;
    }
}

} // namespace render

void TTextobj::DrawShape(Canvas& dc, const PaintContext& pc, int) const {
    const int scale = pc.TextScale != 0 ? pc.TextScale : pc.DefaultZoom;
    int height = Height * scale;
    if (pc.View == ViewSite) height *= 3; // the site plan is shown at a smaller scale
    Font font;
    font.FaceName = FontName();
    font.Height = height;
    font.Escapement = TextEscapement(Angle, pc);
    font.Weight = TextWeight(Weight, pc);
    font.Italic = pc.ItalicFlag;
    dc.SetFont(font);
    render::SetTextAnchor(dc, Align, Angle);
    dc.SetBackgroundOpaque(true);
    dc.SetBackgroundColour(pc.BackgroundColour);
    dc.SetTextColour(Colour);
    dc.TextOut(Lg(X1, pc), Lg(Y1, pc), Text());
    // Back to transparent, so the gaps of dashed lines painted after a text stay see-through as before it.
    dc.SetBackgroundOpaque(false);
}

void TRoomobj::DrawShape(Canvas& dc, const PaintContext& pc, int) const {
    // While walls are being marked on the layout the rooms are only outlines over the background.
    const bool marking = pc.View >= 45 && pc.View <= 49;
    dc.SetBrush(Brush{false, marking ? pc.BackgroundColour : RoomFill});
    // One pixel more, so the outline also covers the rectangle's last row and column.
    const int e = static_cast<int>(pc.ZoomFactor);
    dc.Rectangle(Lg(X1, pc), Lg(Y1, pc), Lg(X2, pc) + e, Lg(Y2, pc) - e);

    Font font;
    font.FaceName = pc.DefaultFontName;
    font.Height = TextSize * pc.UnitsPerLogical;
    font.Weight = 700;
    font.Italic = pc.ItalicFlag;
    dc.SetFont(font);
    dc.SetTextAlign(TextHAlign::Centre, TextVAlign::Bottom);
    dc.SetTextColour(pc.CurrentColour);
    dc.SetBackgroundOpaque(true);
    dc.SetBackgroundColour(pc.BackgroundColour);

    const int cx = Lg(X1 + RoomWidth / 2, pc);
    const int cy = Lg(Y1 - RoomLength / 2, pc);
    const TextMetrics tm = dc.GetTextMetrics();
    const int h = tm.Height;
    // Both sides in logical units: the room's width against the letters of its name.
    const int nameWidth = tm.AveCharWidth * NameLen();
    if (Lg(RoomWidth, pc) >= nameWidth) {
        dc.TextOut(cx, cy, RoomName());
        dc.TextOut(cx, cy - h, WidthText());
        dc.TextOut(cx, cy - 2 * h, LengthText());
    } else {
        font.Escapement = 2700;
        dc.SetFont(font);
        const int side = h / 3 * 2;
        dc.TextOut(cx, cy, RoomName());
        dc.TextOut(cx + side, cy, WidthText());
        dc.TextOut(cx - side, cy, LengthText());
    }
    dc.SetBackgroundOpaque(false);
}

} // namespace velmora
