// The manual dimension: two points marked with Enter, the dimension object with its end segments and
// ticks, and the measurement text the user may overwrite. The dimension is appended and saved before the
// measurement is asked, so a repaint behind the question shows it and a cancelled question keeps it whole
// (without its text).
#include "app/drawing_store.h"
#include "app/keep_changes.h"
#include "app/settings_files.h"
#include "dialogs/feet_dialog.h"
#include "model/drawing_objects.h"
#include "tools/auto_dimension.h"
#include "tools/dimension_settings.h"
#include "tools/line_tool.h"
#include "view/units.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

namespace velmora {

namespace {

constexpr int SnapDistance = 30;

int DimensionBase(int view) {
    switch (view) {
    case ViewGround:
        return 10000;
    case ViewFirst:
        return 11000;
    case ViewSecond:
        return 12000;
    case ViewThird:
        return 13000;
    default:
        return 0;
    }
}

bool Near(std::int64_t a, std::int64_t b) {
    return std::llabs(a - b) < SnapDistance;
}

bool Within(std::int64_t v, std::int64_t a, std::int64_t b) {
    return std::min(a, b) - SnapDistance <= v && v <= std::max(a, b) + SnapDistance;
}

// A vertical line near the point moves its x, a horizontal one its y; true when the line decided.
bool SnapToLine(int lx1, int ly1, int lx2, int ly2, Point& p) {
    if (lx1 == lx2 && Near(p.X, lx1) && Within(p.Y, ly1, ly2)) {
        p.X = lx1;
        return true;
    }
    if (ly1 == ly2 && Near(p.Y, ly1) && Within(p.X, lx1, lx2)) {
        p.Y = ly1;
        return true;
    }
    return false;
}

bool SnapToRoom(const TObj& r, Point& p) {
    if (Within(p.Y, r.Y1, r.Y2)) {
        for (int side : {r.X1, r.X2})
            if (Near(p.X, side)) {
                p.X = side;
                return true;
            }
        return false;
    }
    if (Within(p.X, r.X1, r.X2)) {
        for (int side : {r.Y1, r.Y2})
            if (Near(p.Y, side)) {
                p.Y = side;
                return true;
            }
    }
    return false;
}

// The measurement of a dimension as the user confirms or overwrites it; nothing when the question ended
// the command (cancelled, or a number out of range).
std::optional<int> AskMeasurement(Ui& ui, int metricFlag, int length) {
    if (metricFlag != 1) return AskFeetDistance(ui, length);
    const auto typed = ui.InputBox("", "Measurement", std::to_string(length));
    if (!typed) return std::nullopt;
    const int value = ReadNumberOrZero(*typed);
    if (value == 0) {
        ui.Message("", "input must be a valid number", MessageKind::Error);
        return std::nullopt;
    }
    if (value < 1 || value > 69999) return std::nullopt;
    return value;
}

} // namespace

Point TLineobjtool::SnapToWallLine(int x, int y) const {
    Point p{x, y};
    const TFlist& list = S.DrawingObjects;
    for (int i = FloorRecordCount; i < list.ObjectCount(); ++i) {
        const TObj& o = *list.At(i);
        if (o.View != S.CurrentView) continue;
        if (o.Kind == 100) {
            const auto& w = static_cast<const TExtwallobj&>(o);
            if (SnapToLine(w.X1, w.Y1, w.X2, w.Y2, p)) return p;
            if (w.Cavity < 1 ? SnapToLine(w.Face1X1, w.Face1Y1, w.Face1X2, w.Face1Y2, p)
                             : SnapToLine(w.Face3X1, w.Face3Y1, w.Face3X2, w.Face3Y2, p))
                return p;
        } else if (o.Kind == 150) {
            const auto& w = static_cast<const TInwallobj&>(o);
            if (SnapToLine(w.X1, w.Y1, w.X2, w.Y2, p)) return p;
            if (SnapToLine(w.SecondX1, w.SecondY1, w.SecondX2, w.SecondY2, p)) return p;
        } else if (o.Kind == 29000 || o.Kind == 29001) {
            if (SnapToRoom(o, p)) return p;
        }
    }
    return p;
}

void TLineobjtool::AutoDimension(Canvas& dc, Size, int px, int py, int, int) {
    if (Step == 20 || Step == 21) {
        const Point p = WorldAt(dc, px, py);
        const Point snapped = SnapToWallLine(p.X, p.Y);
        if (Step == 20) {
            X1 = snapped.X, Y1 = snapped.Y;
            Step = 21;
            return;
        }
        MarkDimensionEnd(dc, snapped);
        return;
    }
    if (Step == 22) return;
    const DimensionOffsets offsets = ReadDimensionOffsets(S.HomePath, S.MetricFlag);
    ClearAutoDimensions(S);
    Mode = 31;
    AppendWallDimensions(S, offsets);
    WriteDrawing(S, U, ModeWorking);
}

void TLineobjtool::MarkDimensionEnd(Canvas& dc, Point p2) {
    const std::int64_t dx = std::llabs(std::int64_t{p2.X} - X1), dy = std::llabs(std::int64_t{p2.Y} - Y1);
    if (dx == 0 && dy == 0) {
        U.Message("", "the second point is on the first - mark the second point elsewhere");
        return;
    }
    const ManualArrowSettings arrows = ReadManualArrowSettings(S.HomePath);
    const int g = arrows.SegmentLength;
    const int number = DimensionBase(S.CurrentView) + ++S.NextElementNo;
    LinkNo = ElementNo = number;
    auto dim = std::make_unique<TDimensobj>();
    dim->Kind = 261;
    dim->View = S.CurrentView;
    dim->Highlight = dim->Aux = number;
    dim->Colour = PenColour;
    dim->PenWidth = 1;
    dim->PenStyle = 0;
    dim->TickStyle = arrows.TickStyle;
    const bool vertical = dx < dy;
    int length;
    Point anchor;
    if (vertical) {
        const int x = X1, s = p2.Y < Y1 ? -1 : 1;
        length = static_cast<int>(std::min<std::int64_t>(dy, 0x7fffffff));
        dim->X1 = x, dim->Y1 = Y1, dim->X2 = x, dim->Y2 = Y1 + s * g;
        dim->X3 = x, dim->Y3 = p2.Y, dim->X4 = x, dim->Y4 = p2.Y - s * g;
        dim->Orientation = s < 0 ? 1800 : 0;
        anchor = {x, static_cast<int>(std::min<std::int64_t>(Y1, p2.Y) + dy / 2)};
        FeedbackState = 1;
    } else {
        const int y = Y1, s = X1 < p2.X ? 1 : -1;
        length = static_cast<int>(std::min<std::int64_t>(dx, 0x7fffffff));
        dim->X1 = X1, dim->Y1 = y, dim->X2 = X1 + s * g, dim->Y2 = y;
        dim->X3 = p2.X, dim->Y3 = y, dim->X4 = p2.X - s * g, dim->Y4 = y;
        dim->Orientation = s > 0 ? 900 : 2700;
        anchor = {static_cast<int>(std::min<std::int64_t>(X1, p2.X) + dx / 2), y};
    }
    Angle = dim->Orientation;
    const int orientation = dim->Orientation;
    X2 = p2.X, Y2 = p2.Y;
    BoxX1 = std::min(X1, X2), BoxY1 = std::min(Y1, Y2), BoxX2 = std::max(X1, X2), BoxY2 = std::max(Y1, Y2);
    PaintAtOnce(dc, *dim);
    S.DrawingObjects.Append(std::move(dim));
    MadeIndex = S.DrawingObjects.ObjectCount() - 1;
    WriteDrawing(S, U, ModeWorking);
    Step = 22;
    const auto measured = AskMeasurement(U, S.MetricFlag, length);
    if (!measured) return;
    WriteDimensionText(dc, *measured, vertical, anchor, orientation, number);
}

void TLineobjtool::WriteDimensionText(Canvas& dc, int length, bool vertical, Point anchor, int orientation,
                                      int number) {
    const DimensionOffsets offsets = ReadDimensionOffsets(S.HomePath, S.MetricFlag);
    const auto style = ReadTextSettings(S.HomePath).value_or(TextSettings{});
    const int angle = vertical && offsets.TextDirection == 2700 ? 2700 : 0;
    auto text = std::make_unique<TTextobj>(35, S.CurrentView, number, number, anchor.X, anchor.Y,
                                           FormatLength(length, S.MetricFlag), style.FontName,
                                           offsets.DimensionSize, angle, 6, style.Weight, PenColour);
    text->X2 = orientation;
    PaintAtOnce(dc, *text);
    S.DrawingObjects.Append(std::move(text));
    WriteDrawing(S, U, ModeWorking);
}

} // namespace velmora
