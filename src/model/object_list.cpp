#include "model/object_list.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace velmora {

namespace {

// A box normalised from a line, grown by a margin; the test is strict on every side.
struct Box {
    std::int64_t MinX, MinY, MaxX, MaxY;
    static Box Of(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
        return {std::min<std::int64_t>(x1, x2), std::min<std::int64_t>(y1, y2),
                std::max<std::int64_t>(x1, x2), std::max<std::int64_t>(y1, y2)};
    }
    bool ContainsGrown(std::int64_t x, std::int64_t y, std::int64_t m) const {
        return MinX - m < x && x < MaxX + m && MinY - m < y && y < MaxY + m;
    }
};

bool InwallHit(const TInwallobj& w, std::int64_t x, std::int64_t y, int upl) {
    const std::int64_t m = w.Thickness / 2 + upl;
    return Box::Of(w.X1, w.Y1, w.X2, w.Y2).ContainsGrown(x, y, m) ||
           Box::Of(w.SecondX1, w.SecondY1, w.SecondX2, w.SecondY2).ContainsGrown(x, y, m);
}

bool ExtwallHit(const TExtwallobj& w, std::int64_t x, std::int64_t y, int upl) {
    const std::int64_t m = std::int64_t{w.Leaf1} + w.Cavity + w.Leaf2 + upl;
    if (Box::Of(w.X1, w.Y1, w.X2, w.Y2).ContainsGrown(x, y, m)) return true;
    const Box inner = w.Cavity != 0 ? Box::Of(w.Face3X1, w.Face3Y1, w.Face3X2, w.Face3Y2)
                                    : Box::Of(w.Face1X1, w.Face1Y1, w.Face1X2, w.Face1Y2);
    return inner.ContainsGrown(x, y, m);
}

// The corner rule of the datum: a wall's (min x, min y) replaces the best when it is not greater on either
// axis. It is deliberately not a plain minimum: the walls are walked in list order.
void WalkWallCorners(const TFlist& list, std::optional<int> view, Point& best) {
    for (const auto& obj : list) {
        if (obj->Kind != 100 || (view && obj->View != *view)) continue;
        const int mx = std::min(obj->X1, obj->X2);
        const int my = std::min(obj->Y1, obj->Y2);
        if (mx <= best.X && my <= best.Y) best = {mx, my};
    }
}

// v rounded down to a multiple of d (d > 0). Worked in 64 bits: a coordinate near the bottom of the int
// range must not wrap round to the top; a multiple below the range is taken one step up instead.
int RoundDownTo(int v, int d) {
    const std::int64_t w = v;
    const std::int64_t q = w >= 0 ? w / d : -((-w + d - 1) / d);
    std::int64_t r = q * d;
    if (r < std::numeric_limits<int>::min()) r += d;
    return static_cast<int>(r);
}

constexpr int NoDatum = 500000;

} // namespace

void TFlist::AppendAll(TFlist&& other) {
    Objects.reserve(Objects.size() + other.Objects.size());
    for (auto& obj : other.Objects) Objects.push_back(std::move(obj));
    other.Objects.clear();
}

bool TFlist::HasContent(int code) const {
    for (int i = FloorRecordCount; i < ObjectCount(); ++i) {
        const TObj* obj = At(i);
        if (obj->View == code && IsWallKind(obj->Kind)) return true;
    }
    return false;
}

int TFlist::TopFloor() const {
    bool seen[4] = {false, false, false, false};
    for (const auto& obj : Objects) {
        if (obj->Class() == ObjClass::Info) continue;
        if (obj->View >= ViewFirst && obj->View <= ViewThird) seen[obj->View - ViewGround] = true;
    }
    for (int floor = 3; floor >= 1; --floor)
        if (seen[floor]) return ViewGround + floor;
    return ViewGround;
}

int TFlist::WallAt(int view, int unitsPerLogical, int x, int y) const {
    const std::int64_t wx = std::int64_t{x} * unitsPerLogical;
    const std::int64_t wy = std::int64_t{y} * unitsPerLogical;
    for (int i = FloorRecordCount; i < ObjectCount(); ++i) {
        const TObj* obj = At(i);
        if (obj->View != view) continue;
        if (obj->Kind == 150 && obj->Class() == ObjClass::Inwall) {
            if (InwallHit(static_cast<const TInwallobj&>(*obj), wx, wy, unitsPerLogical)) return i;
        } else if (obj->Kind == 100 && obj->Class() == ObjClass::Extwall) {
            if (ExtwallHit(static_cast<const TExtwallobj&>(*obj), wx, wy, unitsPerLogical)) return i;
        }
    }
    return NothingHit;
}

int TFlist::TextAt(int view, int unitsPerLogical, int x, int y) const {
    const std::int64_t wx = std::int64_t{x} * unitsPerLogical;
    const std::int64_t wy = std::int64_t{y} * unitsPerLogical;
    const std::int64_t reach = 75 * std::int64_t{unitsPerLogical};
    for (int i = FloorRecordCount; i < ObjectCount(); ++i) {
        const TObj* obj = At(i);
        if (obj->View != view || !IsTextKind(obj->Kind)) continue;
        if (std::llabs(obj->X1 - wx) < reach && std::llabs(obj->Y1 - wy) < reach) return i;
    }
    return NothingHit;
}

int TFlist::DesignRoomAt(int view, int unitsPerLogical, int x, int y) const {
    const std::int64_t wx = std::int64_t{x} * unitsPerLogical;
    const std::int64_t wy = std::int64_t{y} * unitsPerLogical;
    for (const auto& obj : Objects) {
        if (obj->View != view || (obj->Kind != 29000 && obj->Kind != 29001)) continue;
        if (obj->X1 < wx && wx < obj->X2 && obj->Y2 < wy && wy < obj->Y1) return obj->Kind;
    }
    return 0;
}

std::optional<Point> TFlist::DatumCorner(int view, int wallDisplayMode, int unitsPerLogical) const {
    int v = view;
    if (wallDisplayMode == 4) v = v == ViewBasement ? ViewGround : v - 1;
    Point best{NoDatum, NoDatum};
    if (v >= 120 && v <= 189) {
        WalkWallCorners(*this, v, best);
    } else if (v == ViewSite) {
        bool anyOutline = false;
        for (const auto& obj : Objects) {
            if (obj->Kind < 3500 || obj->Kind > 3599 || obj->Class() != ObjClass::Poly) continue;
            const auto& poly = static_cast<const TPolyobj&>(*obj);
            for (int i = 0; i < poly.VertexCount; ++i) {
                anyOutline = true;
                best.X = std::min(best.X, poly.Xs[i]);
                best.Y = std::min(best.Y, poly.Ys[i]);
            }
        }
        if (!anyOutline) WalkWallCorners(*this, std::nullopt, best);
    } else {
        return std::nullopt;
    }
    if (best.X >= NoDatum || best.Y >= NoDatum) return std::nullopt;
    return Point{RoundDownTo(best.X, unitsPerLogical), RoundDownTo(best.Y, unitsPerLogical)};
}

void TFlist::CopyGroundWallsToSite() {
    const int count = ObjectCount();
    for (int i = 0; i < count; ++i) {
        const TObj* obj = At(i);
        if (obj->Kind != 100 || obj->View != ViewGround) continue;
        auto copy = obj->Clone();
        copy->View = ViewSite;
        Append(std::move(copy));
    }
}

Extent TFlist::ObjectsExtent(int first) const {
    Extent e;
    auto take = [&e](int x, int y) {
        if (e.Empty) {
            e = {x, y, x, y, false};
            return;
        }
        e.MinX = std::min(e.MinX, x), e.MaxX = std::max(e.MaxX, x);
        e.MinY = std::min(e.MinY, y), e.MaxY = std::max(e.MaxY, y);
    };
    for (int i = std::max(first, 0); i < ObjectCount(); ++i) {
        const TObj* obj = At(i);
        switch (obj->Class()) {
        case ObjClass::Poly: {
            const auto& poly = static_cast<const TPolyobj&>(*obj);
            for (int k = 0; k < std::clamp(poly.VertexCount, 0, TPolyobj::MaxVertices); ++k)
                take(poly.Xs[k], poly.Ys[k]);
            break;
        }
        case ObjClass::Window:
            take(static_cast<const TWindowobj&>(*obj).InsertX, static_cast<const TWindowobj&>(*obj).InsertY);
            break;
        case ObjClass::Door:
            take(static_cast<const TDoorobj&>(*obj).InsertX, static_cast<const TDoorobj&>(*obj).InsertY);
            break;
        case ObjClass::Info:
            break;
        case ObjClass::Text:
            take(obj->X1, obj->Y1);
            break; // the second point of a text is a direction code
        default:
            take(obj->X1, obj->Y1), take(obj->X2, obj->Y2);
            break;
        }
    }
    return e;
}

TInfoobj* TFlist::FloorRecord(int view) {
    const int index = view - ViewGround;
    if (index < 0 || index >= FloorRecordCount || index >= ObjectCount()) return nullptr;
    TObj* obj = At(index);
    if (obj->Class() != ObjClass::Info || obj->View != view) return nullptr;
    return static_cast<TInfoobj*>(obj);
}

} // namespace velmora
