#include "tools/polygon_tool.h"

#include "app/drawing_store.h"
#include "app/keep_changes.h"
#include "app/settings_files.h"
#include "model/drawing_objects.h"
#include "view/units.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

namespace velmora {

namespace {

constexpr const char* GuideHead =
    "Press + (ADD) or F key when all corners marked. Distance from START POINT ";

int SaturatedAdd(int v, std::int64_t d) {
    return static_cast<int>(std::clamp<std::int64_t>(std::int64_t{v} + d, INT32_MIN, INT32_MAX));
}

struct FeetInches {
    std::int64_t Feet, Inches;
    std::optional<InchFraction> Eighths;
};

FeetInches SplitImperial(std::int64_t v) {
    const std::int64_t inches = v / 24;
    return {inches / 12, inches % 12, EighthsOf(static_cast<int>(v % 24))};
}

std::string FeetText(const FeetInches& f) {
    return std::to_string(f.Feet) + "' " + std::to_string(f.Inches);
}

std::string FractionText(const InchFraction& e) {
    return std::to_string(e.Numerator) + "/" + std::to_string(e.Denominator);
}

// The four imperial forms the status line has used, by which of the two distances has an eighth.
std::string ImperialGuide(std::int64_t h, std::int64_t v, int point) {
    const FeetInches a = SplitImperial(h), b = SplitImperial(v);
    const std::string n = std::to_string(point);
    if (!a.Eighths && !b.Eighths) return "h " + FeetText(a) + ": v " + FeetText(b) + ", point " + n;
    if (a.Eighths && !b.Eighths)
        return "h " + FeetText(a) + " " + FractionText(*a.Eighths) + "'' x " + FeetText(b) + "'' point " + n;
    if (!a.Eighths)
        return "h " + FeetText(a) + "'' x " + FeetText(b) + " " + FractionText(*b.Eighths) + "'', point " + n;
    return "h " + FeetText(a) + " " + FractionText(*a.Eighths) + "'' x " + FeetText(b) + " " +
           FractionText(*b.Eighths) + "'', point " + n;
}

} // namespace

int PolygonElementBase(int view) {
    if (view >= 120 && view <= 125) return 100000 + (view - 120) * 10000;
    return 0;
}

TPolyobjtool::TPolyobjtool(AppState& state, Ui& ui) : TLineobjtool(state, ui, ModePolygonPoint) {
    CornerCount = 0;
    Angle = GuideY = LinkNo = ElementNo = 0;
}

void TPolyobjtool::LeftDown(Canvas&, Size, int, int) {}
void TPolyobjtool::Operation(int) {}
void TPolyobjtool::Adjust(int, int, int) {}

void TPolyobjtool::DrawFeedback(Canvas& dc, int) {
    if (Mode != ModePolygon || CornerCount < 2) return;
    const int u = S.UnitsPerLogical;
    std::vector<Point> pts;
    for (int i = 0; i < CornerCount; ++i)
        pts.push_back({WorldToLogical(CornerXs[i], u), WorldToLogical(CornerYs[i], u)});
    dc.Polyline(pts);
}

void TPolyobjtool::KeyStep(Canvas& dc, Size client, const KeyEvent& key, Point& cursor, int amount) {
    Refused = false;
    if (Mode != ModePolygon) return;
    if (key.Code == Key::Add) {
        Close(dc, client);
        return;
    }
    // Once stored, the outline is finished: keys add nothing to it.
    if (Stored) return;
    if (key.Code == Key::Enter) {
        const Point p = WorldAt(dc, cursor.X, cursor.Y);
        if (CornerCount == 0) {
            X1 = X2 = Angle = p.X;
            Y1 = Y2 = GuideY = p.Y;
            BoxX1 = BoxX2 = p.X;
            BoxY1 = BoxY2 = p.Y;
            CornerXs[0] = p.X, CornerYs[0] = p.Y, CornerZs[0] = 0;
            CornerCount = 1;
            Scrolled = 1;
            return;
        }
        if (!RoomForCorner()) return;
        AddCorner(dc, p);
    } else if (key.Code == Key::Left || key.Code == Key::Right || key.Code == Key::Up ||
               key.Code == Key::Down) {
        if (CornerCount == 0 || amount <= 0 || !RoomForCorner()) return;
        const int x = CornerXs[CornerCount - 1], y = CornerYs[CornerCount - 1];
        Point p{x, y};
        if (key.Code == Key::Left) p.X = SaturatedAdd(x, -std::int64_t{amount});
        if (key.Code == Key::Right) p.X = SaturatedAdd(x, amount);
        if (key.Code == Key::Up) p.Y = SaturatedAdd(y, amount);
        if (key.Code == Key::Down) p.Y = SaturatedAdd(y, -std::int64_t{amount});
        AddCorner(dc, p);
    } else {
        return;
    }
    if (BackAtFirstCorner() && Scrolled > 0) {
        Scrolled = 0;
        Commit(dc, client);
    }
}

// A corner that comes back onto the first closes the outline, so the last place is kept for it: every
// other corner is refused once the polygon holds all the corners it can.
bool TPolyobjtool::RoomForCorner() {
    if (CornerCount < MaxCorners) return true;
    Refused = true;
    U.Message("", "A polygon can have at most 19 corners - press + (ADD) or F to finish it",
              MessageKind::Error);
    return false;
}

void TPolyobjtool::AddCorner(Canvas& dc, Point p) {
    CornerXs[CornerCount] = p.X;
    CornerYs[CornerCount] = p.Y;
    CornerZs[CornerCount] = 0;
    X2 = p.X;
    Y2 = p.Y;
    ++CornerCount;
    ++Scrolled;
    BoxX1 = std::min(BoxX1, p.X), BoxX2 = std::max(BoxX2, p.X);
    BoxY1 = std::min(BoxY1, p.Y), BoxY2 = std::max(BoxY2, p.Y);
    dc.SetRasterOp(RasterOp::Copy);
    dc.SetPen(Pen{PenStyle::Solid, 1, PenColour});
    DrawFeedback(dc, 0);
}

bool TPolyobjtool::BackAtFirstCorner() const {
    return CornerCount > 2 && CornerXs[CornerCount - 1] == CornerXs[0] &&
           CornerYs[CornerCount - 1] == CornerYs[0];
}

int TPolyobjtool::DistinctCorners() const {
    int n = 0;
    for (int i = 0; i < CornerCount; ++i) {
        bool seen = false;
        for (int j = 0; j < i && !seen; ++j)
            seen = CornerXs[j] == CornerXs[i] && CornerYs[j] == CornerYs[i];
        if (!seen) ++n;
    }
    return n;
}

// The close key repeats the first corner at the end and stores the outline. With no corners, or once the
// outline was stored, it does nothing; an outline of one corner is no polygon and is not stored.
void TPolyobjtool::Close(Canvas& dc, Size client) {
    if (CornerCount == 0 || Stored || Scrolled < 1) return;
    if (DistinctCorners() < 2) {
        Refused = true;
        U.Message("", "A polygon needs at least two corners - mark the next corner, or press Escape",
                  MessageKind::Error);
        return;
    }
    // A full outline has no place left for the repeated first corner; the polygon closes itself.
    if (CornerCount < MaxCorners) {
        CornerXs[CornerCount] = CornerXs[0];
        CornerYs[CornerCount] = CornerYs[0];
        CornerZs[CornerCount] = 0;
        ++CornerCount;
    }
    Scrolled = 0;
    Commit(dc, client);
}

void TPolyobjtool::Commit(Canvas& dc, Size) {
    MadeIndex = -1;
    if (CornerCount < 2 || CornerCount > MaxCorners) return;
    Scrolled = 0;
    Stored = true;
    StoreColour = static_cast<Colorref>(
        ReadSettingsInts(S.HomePath, "FILLCLR.CFG", 1).value_or(std::vector<std::int32_t>{0})[0]);
    // The element number is taken now that the polygon is made, so an outline given up uses none.
    ++S.NextElementNo;
    LinkNo = PolygonElementBase(S.CurrentView) + S.NextElementNo;
    const int z = S.CurrentView == 121 ? 150 : 0;
    std::vector<Point> vertices;
    for (int i = 0; i < CornerCount; ++i) {
        CornerZs[i] = z;
        vertices.push_back({CornerXs[i], CornerYs[i]});
    }
    CornerMarks = {100, 100, 100, 100};
    auto poly = std::make_unique<TPolyobj>(ModePolygon, S.CurrentView, LinkNo, LinkNo, vertices, StoreColour,
                                           PenColour, 1, 0);
    for (int i = 0; i < CornerCount; ++i)
        poly->Zs[i] = CornerZs[i];
    for (int i = 0; i < 4; ++i)
        poly->MarkedEdges[i] = CornerMarks[i];
    PaintAtOnce(dc, *poly);
    S.DrawingObjects.Append(std::move(poly));
    MadeIndex = S.DrawingObjects.ObjectCount() - 1;
    WriteDrawing(S, U, ModeWorking);
    if (S.SaveState == 0) S.SaveState = 1;
}

std::string TPolyobjtool::GuideText() const {
    const std::int64_t h = std::llabs(std::int64_t{X2} - Angle);
    const std::int64_t v = std::llabs(std::int64_t{Y2} - GuideY);
    if (S.MetricFlag == 1)
        return std::string(GuideHead) + "h " + std::to_string(h) + ": v " + std::to_string(v) + ". point " +
               std::to_string(Scrolled);
    return GuideHead + ImperialGuide(h, v, Scrolled);
}

} // namespace velmora
