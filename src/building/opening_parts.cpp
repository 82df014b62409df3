#include "building/opening_parts.h"

#include "building/opening_door_parts.h"
#include "building/opening_part_builder.h"
#include "view/units.h"

#include <string>

namespace velmora {

namespace {

constexpr int LabelGapMetric = 75, LabelGapImperial = 72;
constexpr int CillMetric = 50, CillImperial = 48;

bool HasCill(const OpeningChoice& c, const OpeningWallHit& hit) {
    return hit.WallKind == WallKindExternal && c.ShowCill != 0 && c.Type != 9 && c.Type != 19 && c.Type != 20;
}

void AddMask(OpeningParts& p, const OpeningChoice& c) {
    const OpeningWallHit& hit = p.Hit;
    int outer = 0, inner = hit.Thickness;
    const bool internal = hit.WallKind == WallKindInternal;
    if (internal) {
        // Reach past both faces so that no trace of the wall lines is left across the opening.
        const int m = p.Style.UnitsPerLogical * p.Style.DefaultZoom;
        outer = -m, inner += m;
    } else if (HasCill(c, hit)) {
        outer = -(p.Style.MetricFlag == 1 ? CillMetric : CillImperial);
    }
    const OpeningFrame& f = hit.Frame;
    std::vector<Point> pts{f.ToWorld(p.Lo, outer), f.ToWorld(p.Hi, outer), f.ToWorld(p.Hi, inner),
                           f.ToWorld(p.Lo, inner)};
    const Colorref outline = internal ? p.Style.Background : p.Style.Pen;
    auto mask = std::make_unique<TPolyobj>(2000, p.Style.View, hit.Element, p.Number, pts, p.Style.Background,
                                           outline);
    for (int i = 0; i < mask->VertexCount; ++i)
        mask->Zs[static_cast<std::size_t>(i)] = c.UnitValue;
    p.Out.push_back(std::move(mask));
    if (internal) {
        p.Line(1, p.Lo, 0, p.Lo, hit.Thickness, 1);
        p.Line(1, p.Hi, 0, p.Hi, hit.Thickness, 1);
    }
}

void AddGlass(OpeningParts& p, const OpeningChoice& c) {
    if (p.Hit.WallKind != WallKindExternal) return;
    if (!IsWindowType(c.Type) && c.Type != OpeningGarageDoor) return;
    const int t = p.Hit.Thickness;
    int v = 0;
    if (c.Type == OpeningGarageDoor)
        v = t / 3;
    else if (c.Type <= 3)
        v = t / 2;
    p.Line(11, p.Lo, v, p.Hi, v, 1);
}

void AddSizeLabel(OpeningParts& p, const OpeningChoice& c) {
    if (!IsWindowType(c.Type) || c.ShowSizes == 0) return;
    const bool metric = p.Style.MetricFlag == 1;
    int gap = metric ? LabelGapMetric : LabelGapImperial;
    if (HasCill(c, p.Hit)) gap += metric ? CillMetric : CillImperial;
    const Point at = p.Hit.Frame.ToWorld(0, -gap);
    auto label =
        std::make_unique<TTextobj>(35, p.Style.View, p.Hit.Element, p.Number, at.X, at.Y,
                                   WindowSizeText(c.OpeningWidth, c.WindowHeight, p.Style.MetricFlag), c.Font,
                                   c.TextSize, p.Hit.Frame.ReadingAngle(), 6, 400, p.Style.Pen);
    p.Out.push_back(std::move(label));
}

std::string FeetAndInches(int v) {
    const int inches = v / 24;
    std::string s = std::to_string(inches / 12) + "' " + std::to_string(inches % 12);
    if (const auto f = EighthsOf(v % 24))
        s += " " + std::to_string(f->Numerator) + "/" + std::to_string(f->Denominator);
    return s + "''";
}

} // namespace

std::string WindowSizeText(int width, int height, int metricFlag) {
    if (metricFlag == 1) return std::to_string(width) + " w x " + std::to_string(height) + " h";
    return FeetAndInches(width) + " x " + FeetAndInches(height);
}

int OpeningNumberFor(int view, int elementNo) {
    if (view >= 120 && view <= 124) return 100000 + (view - 120) * 10000 + elementNo;
    return elementNo;
}

OpeningObjects BuildOpening(const OpeningChoice& c, const OpeningStyle& style, const OpeningWallHit& hit,
                            int openingNumber) {
    OpeningParts p{c, style, hit, openingNumber, 0, 0, {}};
    p.Lo = -(c.OpeningWidth / 2);
    p.Hi = p.Lo + c.OpeningWidth;
    AddMask(p, c);
    AddGlass(p, c);
    AddSizeLabel(p, c);
    AddDoorParts(p);
    return std::move(p.Out);
}

} // namespace velmora
