#include "tools/auto_dimension.h"

#include "app/settings_files.h"
#include "model/drawing_objects.h"
#include "tools/dimension_arrows.h"
#include "view/units.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>

namespace velmora {

namespace {

struct TextStyle {
    int Weight = 400;
    std::string FontName;
};

// Appends the dimension objects of one wall or one side with the element number they share.
class DimensionWriter {
public:
    explicit DimensionWriter(AppState& s) : S(s) {
        const auto text = ReadTextSettings(s.HomePath).value_or(TextSettings{});
        Style = {text.Weight, text.FontName};
    }

    void NewElement() { Element = ++S.NextElementNo; }

    void Arrow(TArrowobj a) {
        a.View = S.CurrentView;
        a.Highlight = 0;
        a.Aux = Element;
        a.Colour = S.CurrentColour;
        S.DrawingObjects.Append(std::make_unique<TArrowobj>(a));
        ++Count;
    }

    void Text(int x, int y, std::int64_t length, int side, int angle, int align, int height) {
        auto t = std::make_unique<TTextobj>(34, S.CurrentView, 0, Element, x, y,
                                            FormatLength(length, S.MetricFlag), Style.FontName, height, angle,
                                            align, Style.Weight, S.CurrentColour);
        t->X2 = side;
        S.DrawingObjects.Append(std::move(t));
        ++Count;
    }

    int Count = 0;

private:
    AppState& S;
    TextStyle Style;
    int Element = 0;
};

int Mid(int a, int b) {
    const std::int64_t lo = std::min(a, b), hi = std::max(a, b);
    return static_cast<int>(lo + (hi - lo) / 2);
}

void DimensionAxisWall(DimensionWriter& w, const TExtwallobj& wall, const DimensionOffsets& o, int u) {
    const int x1 = wall.X1, y1 = wall.Y1, x2 = wall.X2, y2 = wall.Y2, d = o.External, size = o.TextSize;
    const bool turned = o.TextDirection > 0;
    if (y1 == y2 && x1 < x2) {
        w.Arrow(AxisArrow(x1, y1 + d, ArrowTip::Left, u));
        w.Arrow(AxisArrow(x2, y1 + d, ArrowTip::Right, u));
        w.Text(Mid(x1, x2), y1 + d, wall.Aux, 900, 0, 6, size);
    } else if (y1 == y2) {
        w.Arrow(AxisArrow(x2, y1 - d, ArrowTip::Left, u));
        w.Arrow(AxisArrow(x1, y1 - d, ArrowTip::Right, u));
        w.Text(Mid(x1, x2), y1 - d, wall.Aux, 2700, 0, 4, size);
    } else if (y1 < y2) {
        w.Arrow(AxisArrow(x1 - d, y2, ArrowTip::Up, u));
        w.Arrow(AxisArrow(x1 - d, y1, ArrowTip::Down, u));
        w.Text(x1 - d, Mid(y1, y2), wall.Aux, 0, turned ? 2700 : 0, 6, size);
    } else {
        w.Arrow(AxisArrow(x1 + d, y2, ArrowTip::Down, u));
        w.Arrow(AxisArrow(x1 + d, y1, ArrowTip::Up, u));
        w.Text(x1 + d, Mid(y1, y2), wall.Aux, 1800, turned ? 2700 : 0, turned ? 4 : 6, size);
    }
}

void DimensionSlantWall(DimensionWriter& w, const TExtwallobj& wall, const DimensionOffsets& o, int u) {
    const int b = wall.Angle, d = o.External;
    w.Arrow(SlantArrow(wall.X1, wall.Y1, b, true, d, u));
    w.Arrow(SlantArrow(wall.X2, wall.Y2, b, false, d, u));
    const Direction dir = BearingDirection(b);
    const int moveX = static_cast<int>(d * -dir.Y), moveY = static_cast<int>(d * dir.X);
    // A wall too short to hold its text between the arrows gets it twice as far out.
    const int times = wall.Aux < 10 * u ? 2 : 1;
    const SlantTextRule rule = SlantText(b);
    w.Text(Mid(wall.X1, wall.X2) + times * moveX, Mid(wall.Y1, wall.Y2) + times * moveY, wall.Aux, b,
           rule.Angle, rule.Align, o.TextSize);
}

// One side of the outline for the overall dimensions: its span along the side's axis, how many walls made
// it and the length shown.
struct Side {
    std::int64_t Lo = 300000, Hi = 0;
    int Count = 0;
    std::int64_t Total = 0;

    void Take(std::int64_t s, std::int64_t e, std::int64_t v) {
        if (Lo >= s && e >= Hi) {
            Lo = s, Hi = e, Count = 1, Total = v;
        } else if (e >= Hi && s >= Lo) {
            Total += e - Hi, Hi = e, ++Count;
        } else if (Lo >= s && Hi >= e) {
            Total += Lo - s, Lo = s, ++Count;
        }
    }
    int L() const { return static_cast<int>(Lo); }
    int H() const { return static_cast<int>(Hi); }
    int MidSpan() const { return static_cast<int>(Lo + (Hi - Lo) / 2); }
};

bool IsAxisWall(const TExtwallobj& w) {
    return w.X1 == w.X2 || w.Y1 == w.Y2;
}

void OverallDimensions(DimensionWriter& w, const std::vector<const TExtwallobj*>& walls,
                       const DimensionOffsets& o, int u) {
    Side top, bottom, right, left;
    for (const TExtwallobj* wall : walls) {
        const std::int64_t x1 = wall->X1, y1 = wall->Y1, x2 = wall->X2, y2 = wall->Y2;
        const bool axis = IsAxisWall(*wall);
        auto take = [&](Side& side, std::int64_t a, std::int64_t b) {
            const std::int64_t s = std::min(a, b), e = std::max(a, b);
            side.Take(s, e, axis ? wall->Aux : e - s);
        };
        if (x1 < x2) take(top, x1, x2);
        if (x2 < x1) take(bottom, x1, x2);
        if (y2 < y1) take(right, y1, y2);
        if (y1 < y2) take(left, y1, y2);
    }
    const int a = o.Overall, size = o.TextSize;
    const bool turned = o.TextDirection == 2700;
    if (top.Count >= 2) {
        w.NewElement();
        const int y = right.H() + a;
        w.Arrow(AxisArrow(top.L(), y, ArrowTip::Left, u));
        w.Arrow(AxisArrow(top.H(), y, ArrowTip::Right, u));
        w.Text(top.MidSpan(), y, top.Total, 900, 0, 6, size);
    }
    if (right.Count >= 2) {
        w.NewElement();
        const int x = top.H() + a;
        w.Arrow(AxisArrow(x, right.H(), ArrowTip::Up, u));
        w.Arrow(AxisArrow(x, right.L(), ArrowTip::Down, u));
        w.Text(x, right.MidSpan(), right.Total, 1800, turned ? 2700 : 0, turned ? 4 : 6, size);
    }
    if (bottom.Count >= 2) {
        w.NewElement();
        const int y = left.L() - a;
        w.Arrow(AxisArrow(bottom.L(), y, ArrowTip::Left, u));
        w.Arrow(AxisArrow(bottom.H(), y, ArrowTip::Right, u));
        w.Text(bottom.MidSpan(), y, bottom.Total, 2700, 0, 4, size);
    }
    if (left.Count >= 2) {
        w.NewElement();
        const int x = bottom.L() - a;
        w.Arrow(AxisArrow(x, left.H(), ArrowTip::Up, u));
        w.Arrow(AxisArrow(x, left.L(), ArrowTip::Down, u));
        w.Text(x, left.MidSpan(), left.Total, 0, turned ? 2700 : 0, 6, size);
    }
}

} // namespace

void ClearAutoDimensions(AppState& state) {
    const int view = state.CurrentView;
    state.DrawingObjects.RemoveFrom(FloorRecordCount, [view](const TObj& o) {
        return o.View == view && (o.Kind == 250 || o.Kind == 34);
    });
}

// Quarter turns continue the rule from both sides: level walls read as level, upright ones turned.
SlantTextRule SlantText(int w) {
    w = ((w % 3600) + 3600) % 3600;
    int angle;
    if (w < 900)
        angle = w + 2700;
    else if (w < 1800)
        angle = w - 900;
    else if (w < 2700)
        angle = w + 900;
    else
        angle = w - 2700;
    if ((w > 1350 && w < 1800) || w > 3150) angle += 1800;
    return {angle % 3600, w <= 1800 ? 6 : 4};
}

int AppendWallDimensions(AppState& state, const DimensionOffsets& offsets) {
    const int u = state.UnitsPerLogical;
    std::vector<const TExtwallobj*> walls;
    const TFlist& list = state.DrawingObjects;
    for (int i = FloorRecordCount; i < list.ObjectCount(); ++i) {
        const TObj* o = list.At(i);
        if (o->Kind == 100 && o->View == state.CurrentView)
            walls.push_back(static_cast<const TExtwallobj*>(o));
    }
    // The list owns its objects through pointers, so the walls stay where they are while objects are
    // appended.
    DimensionWriter w(state);
    for (const TExtwallobj* wall : walls) {
        w.NewElement();
        if (IsAxisWall(*wall))
            DimensionAxisWall(w, *wall, offsets, u);
        else
            DimensionSlantWall(w, *wall, offsets, u);
    }
    if (walls.size() > 4) OverallDimensions(w, walls, offsets, u);
    return w.Count;
}

} // namespace velmora
