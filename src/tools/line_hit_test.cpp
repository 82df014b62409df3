// The wall-and-line hit test the edit commands pick their object with: the first face of an external wall,
// internal wall or plain line of the view that passes near the press, and the end of that object nearer
// the press.
#include "tools/line_tool.h"

#include <algorithm>
#include <cstdint>

namespace velmora {

namespace {

struct Face {
    std::int64_t X1, Y1, X2, Y2;
};

bool FaceHit(const Face& f, int direction, std::int64_t x, std::int64_t y, std::int64_t t) {
    const std::int64_t loX = std::min(f.X1, f.X2), hiX = std::max(f.X1, f.X2);
    const std::int64_t loY = std::min(f.Y1, f.Y2), hiY = std::max(f.Y1, f.Y2);
    if (direction == 900 || direction == 2700)
        return y - t < loY && hiY < y + t && loX - t <= x && x <= hiX + t;
    if (direction == 0 || direction == 1800 || direction == 3600)
        return x - t < loX && hiX < x + t && loY - t <= y && y <= hiY + t;
    return loY - t <= y && y <= hiY + t && loX < x && x < hiX;
}

// The faces an object offers, with its direction; none for objects the test does not consider.
int FacesOf(const TObj& o, Face faces[2], int& direction) {
    if (o.Kind == 100) {
        const auto& w = static_cast<const TExtwallobj&>(o);
        direction = w.Angle;
        faces[0] = {w.X1, w.Y1, w.X2, w.Y2};
        faces[1] = w.Cavity < 1 ? Face{w.Face1X1, w.Face1Y1, w.Face1X2, w.Face1Y2}
                                : Face{w.Face3X1, w.Face3Y1, w.Face3X2, w.Face3Y2};
        return 2;
    }
    if (o.Kind == 150) {
        const auto& w = static_cast<const TInwallobj&>(o);
        direction = w.Angle;
        faces[0] = {w.X1, w.Y1, w.X2, w.Y2};
        faces[1] = {w.SecondX1, w.SecondY1, w.SecondX2, w.SecondY2};
        return 2;
    }
    if (o.Kind == 1) {
        direction = static_cast<const TLineobj&>(o).LineAttrA;
        faces[0] = {o.X1, o.Y1, o.X2, o.Y2};
        return 1;
    }
    return 0;
}

// Midpoints as halves truncated toward zero.
std::int64_t Half(std::int64_t a, std::int64_t b) {
    return (a + b) / 2;
}

bool SecondEndNearer(const TObj& o, int d, std::int64_t x, std::int64_t y) {
    const std::int64_t midX = Half(o.X1, o.X2), midY = Half(o.Y1, o.Y2);
    if (d >= 450 && d < 1350) return midX < x;
    if (d >= 1350 && d < 2250) return y < midY;
    if (d >= 2250 && d < 3150) return x < midX;
    return midY < y;
}

} // namespace

void TLinetool::HitTest(int x, int y) {
    const std::int64_t t = S.MetricFlag == 1 ? 100 : 96;
    HitFound = false;
    const TFlist& list = S.DrawingObjects;
    for (int i = FloorRecordCount; i < list.ObjectCount(); ++i) {
        const TObj& o = *list.At(i);
        if (o.View != S.CurrentView) continue;
        Face faces[2];
        int d = 0;
        const int n = FacesOf(o, faces, d);
        bool hit = false;
        for (int k = 0; k < n && !hit; ++k)
            hit = FaceHit(faces[k], d, x, y, t);
        if (!hit) continue;
        HitFound = true;
        HitIndex = i;
        HitKind = o.Kind;
        Angle = d;
        const bool second = SecondEndNearer(o, d, x, y);
        X1 = second ? o.X2 : o.X1;
        Y1 = second ? o.Y2 : o.Y1;
        if (Step == 205) X2 = X1, Y2 = Y1;
        return;
    }
    HitKind = NothingHit;
}

} // namespace velmora
