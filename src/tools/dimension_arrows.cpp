#include "tools/dimension_arrows.h"

#include <cmath>

namespace velmora {

namespace {

TArrowobj Arrow(int x1, int y1, int x2, int y2) {
    TArrowobj a;
    a.Kind = 250;
    a.X1 = x1, a.Y1 = y1, a.X2 = x2, a.Y2 = y2;
    a.PenWidth = 1;
    a.PenStyle = 0;
    return a;
}

int Trunc(double v) {
    return static_cast<int>(v);
}

} // namespace

TArrowobj AxisArrow(int x, int y, ArrowTip tip, int u) {
    const int shaft = 40 * u, wing = 20 * u, spread = 5 * u, tick = 20 * u;
    TArrowobj a;
    switch (tip) {
    case ArrowTip::Left:
    case ArrowTip::Right: {
        const int s = tip == ArrowTip::Left ? 1 : -1;
        a = Arrow(x, y, x + s * shaft, y);
        a.HeadAX = x + s * wing, a.HeadAY = y + spread, a.HeadBX = x + s * wing, a.HeadBY = y - spread;
        a.TailAX = x, a.TailAY = y + tick, a.TailBX = x, a.TailBY = y - tick;
        break;
    }
    default: {
        const int s = tip == ArrowTip::Down ? 1 : -1;
        a = Arrow(x, y, x, y + s * shaft);
        a.HeadAX = x - spread, a.HeadAY = y + s * wing, a.HeadBX = x + spread, a.HeadBY = y + s * wing;
        a.TailAX = x - tick, a.TailAY = y, a.TailBX = x + tick, a.TailBY = y;
        break;
    }
    }
    return a;
}

Direction BearingDirection(int bearing) {
    const int b = ((bearing % 3600) + 3600) % 3600;
    const double r = (b % 900) * 0.001745;
    const double s = std::sin(r), c = std::cos(r);
    switch (b / 900) {
    case 0:
        return {s, c};
    case 1:
        return {c, -s};
    case 2:
        return {-s, -c};
    default:
        return {-c, s};
    }
}

TArrowobj SlantArrow(int endX, int endY, int bearing, bool atStart, int offset, int u) {
    const Direction d = BearingDirection(bearing);
    const double sx = atStart ? d.X : -d.X, sy = atStart ? d.Y : -d.Y;
    const double nx = -d.Y,
                 ny = d.X; // left of the direction of travel: the outer side of a clockwise outline
    const int tipX = endX + Trunc(offset * nx), tipY = endY + Trunc(offset * ny);
    TArrowobj a = Arrow(tipX, tipY, tipX + Trunc(40 * u * sx), tipY + Trunc(40 * u * sy));
    a.HeadAX = tipX + Trunc(20 * u * sx) + Trunc(5 * u * nx);
    a.HeadAY = tipY + Trunc(20 * u * sy) + Trunc(5 * u * ny);
    a.HeadBX = tipX + Trunc(20 * u * sx) - Trunc(5 * u * nx);
    a.HeadBY = tipY + Trunc(20 * u * sy) - Trunc(5 * u * ny);
    a.TailAX = tipX - Trunc(20 * u * nx), a.TailAY = tipY - Trunc(20 * u * ny);
    a.TailBX = tipX + Trunc(20 * u * nx), a.TailBY = tipY + Trunc(20 * u * ny);
    return a;
}

} // namespace velmora
