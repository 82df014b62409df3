// Changing a text by clicking it (Mode 25 of the alter commands): its words at Step 1, its size at Step 2.
// Each change takes its undo snapshot and is checked before it is made.
#include "view/drawing_window.h"

#include "app/drawing_store.h"
#include "app/keep_changes.h"
#include "app/undo_store.h"
#include "model/drawing_objects.h"
#include "tools/drawing_tool.h"
#include "view/object_bounds.h"
#include "view/units.h"

#include <string>

namespace velmora {

namespace {

constexpr int MaxTextLetters = 70;
constexpr int MaxTextHeight = 200; // the largest size the text settings accept

} // namespace

void TMDIChild::ChangeTextAt(Point px) {
    TDrawingtool* tool = Tool();
    if (tool->Step != 1 && tool->Step != 2) return;
    const Point w = WorldAtPixel(px);
    const int u = S.UnitsPerLogical;
    const int index =
        S.DrawingObjects.TextAt(S.CurrentView, u, WorldToLogical(w.X, u), WorldToLogical(w.Y, u));
    if (index == NothingHit) {
        U.SetPanel(0, "GUIDE: no text selected");
        return;
    }
    auto* text = dynamic_cast<TTextobj*>(S.DrawingObjects.At(index));
    if (!text) return;
    if (tool->Step == 1)
        ChangeTextWords(*text);
    else
        ChangeTextSize(*text);
}

void TMDIChild::ChangeTextWords(TTextobj& text) {
    U.SetPanel(0, "GUIDE: maximum of 70 letters/numbers/spaces");
    const auto typed = U.InputBox("CHANGE TEXT or NUMBER", "", text.Text());
    if (!typed) return;
    if (typed->empty()) {
        U.Message("", "input must not be blank", MessageKind::Error);
        return;
    }
    if (typed->size() > MaxTextLetters) {
        U.Message("", "input over the maximum of 70 letters / spaces / numbers", MessageKind::Error);
        return;
    }
    InvalidateObject(text);
    RecordUndo(S, U);
    text.SetText(*typed);
    WriteDrawing(S, U, ModeWorking);
    InvalidateObject(text);
}

void TMDIChild::ChangeTextSize(TTextobj& text) {
    U.SetPanel(0, "GUIDE: change textsize ( usually between 8 and 12 )");
    const auto typed = U.InputBox("CHANGE TEXT SIZE", "", std::to_string(text.Height));
    if (!typed) return;
    const int size = ReadNumberOrZero(*typed);
    if (size == 0) {
        U.Message("", "input must be a valid number", MessageKind::Error);
        return;
    }
    if (size < 1 || size > MaxTextHeight) {
        U.Message("", "the text size must be between 1 and 200", MessageKind::Error);
        return;
    }
    InvalidateObject(text);
    RecordUndo(S, U);
    text.Height = size;
    WriteDrawing(S, U, ModeWorking);
    InvalidateObject(text);
}

void TMDIChild::InvalidateObject(const TObj& obj) {
    const auto box = ObjectBounds(obj, MakePaintContext());
    if (!box) {
        U.Invalidate();
        return;
    }
    const Size c = U.ClientSize();
    const Mapping m = ViewMappingFor(Frame(), c.Width, c.Height);
    const LogicalBounds b = box->Grown(2);
    const Point a = LogicalToPixel(m, SaturateToInt(b.MinX), SaturateToInt(b.MaxY));
    const Point z = LogicalToPixel(m, SaturateToInt(b.MaxX), SaturateToInt(b.MinY));
    Rect r{std::max(0, std::min(a.X, z.X)), std::max(0, std::min(a.Y, z.Y)),
           std::min(c.Width, std::max(a.X, z.X) + 1), std::min(c.Height, std::max(a.Y, z.Y) + 1)};
    if (r.Right > r.Left && r.Bottom > r.Top) U.Invalidate(r);
}

} // namespace velmora
