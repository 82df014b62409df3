#include "app/view_centring.h"

#include "model/drawing_objects.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace velmora {

namespace {

struct Bounds {
    std::int64_t MinX = std::numeric_limits<std::int64_t>::max();
    std::int64_t MinY = std::numeric_limits<std::int64_t>::max();
    std::int64_t MaxX = std::numeric_limits<std::int64_t>::min();
    std::int64_t MaxY = std::numeric_limits<std::int64_t>::min();
    bool Empty = true;

    void Take(std::int64_t x, std::int64_t y) {
        MinX = std::min(MinX, x);
        MinY = std::min(MinY, y);
        MaxX = std::max(MaxX, x);
        MaxY = std::max(MaxY, y);
        Empty = false;
    }
};

bool IsPlainLineKind(int kind) {
    return kind == 1 || kind == 11 || (kind >= 41 && kind <= 99);
}

// What a re-centring measures of one object.
void Measure(const TObj& obj, int type, Bounds& b) {
    const ObjClass c = obj.Class();
    if (c == ObjClass::Poly) {
        const auto& p = static_cast<const TPolyobj&>(obj);
        const int n = std::clamp(p.VertexCount, 0, TPolyobj::MaxVertices);
        for (int i = 0; i < n; ++i)
            b.Take(p.Xs[static_cast<std::size_t>(i)], p.Ys[static_cast<std::size_t>(i)]);
        return;
    }
    const bool wall = (c == ObjClass::Extwall && obj.Kind == 100) || c == ObjClass::Inwall;
    bool both = wall;
    if (type == CentreSite) {
        both = both || IsPlainLineKind(obj.Kind) || obj.Kind == 5 || obj.Kind == 6 || obj.Kind == 7 ||
               obj.Kind == 8;
        if (c == ObjClass::Text) b.Take(obj.X1, obj.Y1);
    }
    if (both) {
        b.Take(obj.X1, obj.Y1);
        b.Take(obj.X2, obj.Y2);
    }
}

void Move(std::int32_t& x, std::int32_t& y, int dx, int dy) {
    x += dx;
    y += dy;
}

// The point fields of each class. A text's X2 and Y2 are no point (a plan title keeps 900 there), and the
// second and third inner lines of a solid wall and a partition's unset EndPoint are unused zeros: none is
// moved.
void ShiftObject(TObj& obj, int dx, int dy) {
    switch (obj.Class()) {
    case ObjClass::Room:
        // A plan room is its walls' room: it moves with them, or its label and area would be left behind.
        // Design rooms belong to the layout view, which is never re-centred with a floor.
        if (obj.Kind == 29500) {
            Move(obj.X1, obj.Y1, dx, dy);
            Move(obj.X2, obj.Y2, dx, dy);
        }
        return;
    case ObjClass::Info:
        return;
    case ObjClass::Text:
        Move(obj.X1, obj.Y1, dx, dy);
        return;
    case ObjClass::Window: {
        auto& w = static_cast<TWindowobj&>(obj);
        Move(w.InsertX, w.InsertY, dx, dy);
        return;
    }
    case ObjClass::Door: {
        auto& d = static_cast<TDoorobj&>(obj);
        Move(d.InsertX, d.InsertY, dx, dy);
        return;
    }
    case ObjClass::Poly: {
        auto& p = static_cast<TPolyobj&>(obj);
        const int n = std::clamp(p.VertexCount, 0, TPolyobj::MaxVertices);
        for (std::size_t i = 0; i < static_cast<std::size_t>(n); ++i)
            Move(p.Xs[i], p.Ys[i], dx, dy);
        Move(p.PolyRefX, p.PolyRefY, dx, dy);
        return;
    }
    default:
        break;
    }
    Move(obj.X1, obj.Y1, dx, dy);
    Move(obj.X2, obj.Y2, dx, dy);
    switch (obj.Class()) {
    case ObjClass::Arc: {
        auto& a = static_cast<TArcobj&>(obj);
        Move(a.StartX, a.StartY, dx, dy);
        Move(a.EndX, a.EndY, dx, dy);
        break;
    }
    case ObjClass::Extwall: {
        auto& w = static_cast<TExtwallobj&>(obj);
        Move(w.Face1X1, w.Face1Y1, dx, dy);
        Move(w.Face1X2, w.Face1Y2, dx, dy);
        if (w.Cavity != 0) {
            Move(w.Face2X1, w.Face2Y1, dx, dy);
            Move(w.Face2X2, w.Face2Y2, dx, dy);
            Move(w.Face3X1, w.Face3Y1, dx, dy);
            Move(w.Face3X2, w.Face3Y2, dx, dy);
        }
        Move(w.CopyX2, w.CopyY2, dx, dy);
        break;
    }
    case ObjClass::Inwall: {
        auto& w = static_cast<TInwallobj&>(obj);
        Move(w.SecondX1, w.SecondY1, dx, dy);
        Move(w.SecondX2, w.SecondY2, dx, dy);
        // The wall tools leave EndPoint at zero: no point, which stays zero, so that a partition made before
        // a centring saves as the same record as one made after it.
        if (w.EndPointX != 0 || w.EndPointY != 0) Move(w.EndPointX, w.EndPointY, dx, dy);
        break;
    }
    case ObjClass::Arrow: {
        auto& a = static_cast<TArrowobj&>(obj);
        Move(a.HeadAX, a.HeadAY, dx, dy);
        Move(a.HeadBX, a.HeadBY, dx, dy);
        Move(a.TailAX, a.TailAY, dx, dy);
        Move(a.TailBX, a.TailBY, dx, dy);
        break;
    }
    case ObjClass::Dimens: {
        auto& d = static_cast<TDimensobj&>(obj);
        Move(d.X3, d.Y3, dx, dy);
        Move(d.X4, d.Y4, dx, dy);
        break;
    }
    default:
        break;
    }
}

// Half the sheet plus half the extent minus its maximum, cut toward zero to whole steps. A shift that would
// not fit 32 bits is no shift: such an extent lies far off any sheet and moving it would wrap coordinates.
int AxisShift(std::int64_t sheetCentre, std::int64_t min, std::int64_t max, int grain) {
    const std::int64_t d = sheetCentre + (max - min) / 2 - max;
    const std::int64_t cut = d / grain * grain;
    if (cut > std::numeric_limits<std::int32_t>::max() / 2 ||
        cut < std::numeric_limits<std::int32_t>::min() / 2)
        return 0;
    return static_cast<int>(cut);
}

} // namespace

void ShiftView(TFlist& list, int view, int dx, int dy) {
    if (dx == 0 && dy == 0) return;
    for (int i = 0; i < list.ObjectCount(); ++i) {
        TObj* obj = list.At(i);
        if (obj->View == view) ShiftObject(*obj, dx, dy);
    }
}

Point CentringShift(const AppState& s, int type) {
    Bounds b;
    for (const auto& obj : s.DrawingObjects)
        if (obj->View == s.CurrentView) Measure(*obj, type, b);
    if (b.Empty) return {0, 0};
    const int grain = s.MetricFlag == 1 ? 25 : 24;
    const std::int64_t ox = std::int64_t{s.SheetWidth} * s.UnitsPerLogical / 2;
    const std::int64_t oy = std::int64_t{s.SheetHeight} * s.UnitsPerLogical / 2;
    return {AxisShift(ox, b.MinX, b.MaxX, grain), AxisShift(oy, b.MinY, b.MaxY, grain)};
}

bool RecentreView(AppState& s, int type) {
    const Point shift = CentringShift(s, type);
    if (shift.X == 0 && shift.Y == 0) return false;
    ShiftView(s.DrawingObjects, s.CurrentView, shift.X, shift.Y);
    return true;
}

} // namespace velmora
