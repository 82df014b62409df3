#include "view/paint_objects.h"

#include "view/object_bounds.h"
#include "view/render_support.h"

#include <algorithm>
#include <functional>

namespace velmora {

namespace {

constexpr int FirstUnpaintedKind = 29500; // plan rooms and floor records show on plans only through texts

bool InRange(int v, int lo, int hi) {
    return v >= lo && v <= hi;
}

// A layout view also shows the view five below it: the marking view 45 shows the rooms of view 40.
bool ShownOnLayout(int objectView, int view) {
    return objectView == view || objectView + 5 == view;
}

bool InPass(int kind, PaintPass pass) {
    switch (pass) {
    case PaintPass::All:
        return true;
    case PaintPass::Fills:
        return IsFillPassKind(kind);
    case PaintPass::LineWork:
        return !IsFillPassKind(kind);
    }
    return true;
}

// What an overlay leaves out of a floor.
using KindFilter = std::function<bool(int kind)>;

bool IsAnnotation(int kind) {
    return kind == 11 || kind == 250 || kind == 251 || kind == 260 || kind == 261 ||
           InRange(kind, 6100, 6699);
}

// Paints an object unless a clip box is given and the object's ink cannot reach it. A skipped text still
// selects its anchor, which a later text of an alignment that keeps the anchor would inherit: a repaint of a
// small box draws every object it paints exactly as the full repaint does.
void PaintUnlessClipped(const TObj& obj, Canvas& dc, const PaintContext& pc, int highlight,
                        const LogicalBounds* clip) {
    if (clip) {
        const auto bounds = ObjectBounds(obj, pc);
        if (bounds && !bounds->Meets(*clip)) {
            if (obj.Class() == ObjClass::Text) {
                const auto& text = static_cast<const TTextobj&>(obj);
                render::SetTextAnchor(dc, text.Align, text.Angle);
            }
            return;
        }
    }
    obj.Paint(dc, pc, highlight);
}

struct Painter {
    Canvas& Dc;
    const TFlist& List;
    const PaintContext& Pc;
    PaintPass Pass;
    const LogicalBounds* Clip = nullptr;

    // Paints the objects of one view that the filter lets through.
    void Floor(int view, int highlight, const KindFilter& leaveOut) const {
        for (const auto& obj : List) {
            if (obj->View != view || obj->Kind >= FirstUnpaintedKind) continue;
            if (!InPass(obj->Kind, Pass) || leaveOut(obj->Kind)) continue;
            PaintUnlessClipped(*obj, Dc, Pc, highlight, Clip);
        }
    }
};

bool Nothing(int) {
    return false;
}

// The chosen floors in painting order, each with its highlight: lower floors first, so the working floor
// lies over the others; the basement-with-ground choice paints the ground floor under the basement.
void ForEachChosenFloor(const OverlayFlags& f, int working, const std::function<void(int, int)>& floor) {
    auto hOf = [&](int view) { return view == working ? 0 : 1; };
    if (f.BasementWithGround) {
        floor(ViewGround, 1);
        floor(ViewBasement, 0);
    }
    if (f.Basement) floor(ViewBasement, hOf(ViewBasement));
    if (f.Ground) floor(ViewGround, hOf(ViewGround));
    if (f.First) floor(ViewFirst, hOf(ViewFirst));
    if (f.Second) floor(ViewSecond, hOf(ViewSecond));
    if (f.Third) floor(ViewThird, hOf(ViewThird));
}

// Modes 2, 4, 12, 14, 22, 24: the chosen floors, the others in the highlight colour.
void PaintOverlay(const Painter& p, const OverlayFlags& f, int working, bool leaveOutAnnotations) {
    auto leaveOut = [&](int floorView, int h) -> KindFilter {
        return [=](int kind) {
            // Another floor's masks would blank this floor's fills and lines painted before them.
            if (kind == 2000 && floorView != working) return true;
            if (h == 0 || !leaveOutAnnotations) return false;
            return IsTextKind(kind) || IsAnnotation(kind);
        };
    };
    ForEachChosenFloor(f, working, [&](int view, int h) { p.Floor(view, h, leaveOut(view, h)); });
}

// Modes 3, 13, 23: the chosen floors as outlines; free texts never, labels only the working floor's titles.
void PaintOutlineOverlay(const Painter& p, const OverlayFlags& f, int working) {
    auto leaveOut = [&](int floorView, int h) -> KindFilter {
        return [=](int kind) {
            if (kind == 4 || kind == 24 || IsAnnotation(kind)) return true;
            if (kind == 2000 && floorView != working) return true;
            return h == 0 ? InRange(kind, 34, 36) : InRange(kind, 34, 37);
        };
    };
    ForEachChosenFloor(f, working, [&](int view, int h) { p.Floor(view, h, leaveOut(view, h)); });
}

void PaintFloorPlan(Canvas& dc, const TFlist& list, const PaintContext& pc, const OverlayFlags& overlay,
                    PaintPass pass, const LogicalBounds* clip) {
    const int mode = pc.WallDisplayMode;
    switch (mode) {
    case 0:
    case 10:
    case 20:
        Painter{dc, list, pc, pass, clip}.Floor(pc.View, 0, Nothing);
        return;
    case 1:
    case 11:
    case 21: // no automatic dimensions: their labels and arrows stay hidden
        Painter{dc, list, pc, pass, clip}.Floor(pc.View, 0,
                                                [](int k) { return k == 34 || k == 250 || k == 260; });
        return;
    case 2:
    case 4:
    case 12:
    case 14:
    case 22:
    case 24: {
        // The working floor is local to this paint: the view being shown does not change.
        PaintContext working = pc;
        working.View = OverlayWorkingView(mode, overlay, pc.View);
        PaintOverlay(Painter{dc, list, working, pass, clip}, overlay, working.View, mode == 2 || mode == 12);
        return;
    }
    case 3:
    case 13:
    case 23: {
        PaintContext working = pc;
        working.View = OverlayWorkingView(mode, overlay, pc.View);
        PaintOutlineOverlay(Painter{dc, list, working, pass, clip}, overlay, working.View);
        return;
    }
    default:
        return;
    }
}

} // namespace

OverlayFlags OverlayFlags::FromValues(const std::array<int, 7>& v) {
    return OverlayFlags{v[0] != 0, v[1] != 0, v[2] != 0, v[3] != 0, v[4] != 0, v[5] != 0, v[6] != 0};
}

bool IsFillPassKind(int kind) {
    return (InRange(kind, 1000, 24999) && kind != 2000) || kind == 5 || kind == 6 || kind == 8;
}

int OverlayWorkingView(int wallDisplayMode, const OverlayFlags& f, int currentView) {
    const int m = wallDisplayMode;
    if (m != 2 && m != 12 && m != 22 && m != 3) return currentView;
    if (f.Third) return ViewThird;
    if (f.Second) return ViewSecond;
    if (f.First) return ViewFirst;
    if (f.Ground || f.Basement) return ViewGround;
    if (f.BasementWithGround) return ViewBasement;
    return currentView;
}

void PaintObjects(Canvas& dc, const TFlist& list, const PaintContext& pc, const OverlayFlags& overlay,
                  PaintPass pass, const std::optional<LogicalBounds>& clip) {
    const LogicalBounds* box = clip ? &*clip : nullptr;
    dc.SetBackgroundOpaque(false);
    dc.SetBackgroundColour(pc.BackgroundColour);
    dc.SetRasterOp(RasterOp::Copy);
    const int view = pc.View;
    if (InRange(view, 1, 49)) {
        for (const auto& obj : list) {
            if (obj->Kind >= FirstUnpaintedKind || !ShownOnLayout(obj->View, view)) continue;
            if (InPass(obj->Kind, pass)) PaintUnlessClipped(*obj, dc, pc, 0, box);
        }
    } else if (InRange(view, 120, 189)) {
        PaintFloorPlan(dc, list, pc, overlay, pass, box);
    } else {
        const int h = view == ViewSite ? 0 : 1;
        for (const auto& obj : list)
            if (obj->View == view && InPass(obj->Kind, pass)) PaintUnlessClipped(*obj, dc, pc, h, box);
    }
}

std::optional<Rect> DesignRoomBox(const TFlist& list, int view) {
    int count = 0;
    Rect box{};
    for (const auto& obj : list) {
        if (obj->Kind != 29000 && obj->Kind != 29001) continue;
        if (!ShownOnLayout(obj->View, view)) continue;
        if (count++ == 0) {
            box = {obj->X1, obj->Y1, obj->X2, obj->Y2};
            continue;
        }
        box.Left = std::min(box.Left, obj->X1);
        box.Top = std::max(box.Top, obj->Y1);
        box.Right = std::max(box.Right, obj->X2);
        box.Bottom = std::min(box.Bottom, obj->Y2);
    }
    if (count < 2) return std::nullopt;
    return box;
}

void PaintView(Canvas& dc, const TFlist& list, const PaintContext& pc, const OverlayFlags& overlay,
               const std::optional<LogicalBounds>& clip) {
    if (InRange(pc.View, 101, 199)) {
        PaintObjects(dc, list, pc, overlay, PaintPass::Fills, clip);
        PaintObjects(dc, list, pc, overlay, PaintPass::LineWork, clip);
    } else if (InRange(pc.View, 6, 49)) {
        PaintObjects(dc, list, pc, overlay, PaintPass::All, clip);
    }
}

} // namespace velmora
