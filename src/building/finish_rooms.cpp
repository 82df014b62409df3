#include "building/finish_rooms.h"

#include "app/drawing_store.h"
#include "app/keep_changes.h"
#include "building/finish_walls.h"
#include "building/internal_wall_faces.h"
#include "model/drawing_objects.h"
#include "tools/dimension_settings.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <optional>
#include <vector>

namespace velmora {

namespace {

enum Side { Left, Bottom, Right, Top };

struct Edges {
    int L = 0, R = 0, Tp = 0, B = 0;
};

// The nearest wall line on one side of the room, with the extent along the side of the line that faces it.
struct Winner {
    int At = 0;         // its x (left, right) or y (top, bottom)
    int Lo = 0, Hi = 0; // its extent along the side
    int Distance = -1;
};

struct Line {
    bool Vertical = false;
    int At = 0, Lo = 0, Hi = 0;
    bool External = false;
    int Wall = 0; // list index of its wall
};

// The axis lines the rooms meet: both lines of each internal wall, the innermost inner line of each
// external wall; angled lines play no part. Appends those of the objects from list index `from` on.
void AddWallLines(std::vector<Line>& lines, const TFlist& list, int view, int from) {
    for (int i = from; i < list.ObjectCount(); ++i) {
        const TObj* o = list.At(i);
        if (o->View != view || (o->Kind != 100 && o->Kind != 150)) continue;
        for (const FaceLine& f : AttachFaces(*o, false)) {
            Line l;
            l.External = o->Kind == 100;
            l.Wall = i;
            if (f.A.X == f.B.X && f.A.Y != f.B.Y) {
                l.Vertical = true;
                l.At = f.A.X, l.Lo = std::min(f.A.Y, f.B.Y), l.Hi = std::max(f.A.Y, f.B.Y);
            } else if (f.A.Y == f.B.Y && f.A.X != f.B.X) {
                l.At = f.A.Y, l.Lo = std::min(f.A.X, f.B.X), l.Hi = std::max(f.A.X, f.B.X);
            } else {
                continue;
            }
            lines.push_back(l);
        }
    }
}

// An edge strictly within w of an external wall's inner face moves onto it, whatever the face's extent.
void SnapToFaces(Edges& e, const std::vector<Line>& lines, int w) {
    for (const Line& l : lines) {
        if (!l.External) continue;
        if (l.Vertical) {
            if (std::abs(e.L - l.At) < w)
                e.L = l.At;
            else if (std::abs(e.R - l.At) < w)
                e.R = l.At;
        } else if (std::abs(e.Tp - l.At) < w) {
            e.Tp = l.At;
        } else if (std::abs(e.B - l.At) < w) {
            e.B = l.At;
        }
    }
}

bool Overlaps(int lo, int hi, int from, int to) {
    return std::min(hi, to) - std::max(lo, from) > 0;
}

// For an internal wall the line of the pair nearer to the room decides the coverage.
std::array<Winner, 4> NearestLines(const Edges& e, const std::vector<Line>& lines) {
    std::array<Winner, 4> w{};
    auto offer = [&](Side side, const Line& l, int distance) {
        if (w[side].Distance >= 0 && w[side].Distance <= distance) return;
        w[side] = {l.At, l.Lo, l.Hi, distance};
    };
    for (const Line& l : lines) {
        if (l.Vertical && Overlaps(l.Lo, l.Hi, e.B, e.Tp)) {
            if (l.At <= e.L) offer(Left, l, e.L - l.At);
            if (l.At >= e.R) offer(Right, l, l.At - e.R);
        } else if (!l.Vertical && Overlaps(l.Lo, l.Hi, e.L, e.R)) {
            if (l.At >= e.Tp) offer(Top, l, l.At - e.Tp);
            if (l.At <= e.B) offer(Bottom, l, e.B - l.At);
        }
    }
    return w;
}

// "First end" is the upper end of the left and right sides and the left end of the top and bottom.
SideState StateOf(const Winner& w, Side side, const Edges& e) {
    if (w.Distance != 0) return SideState::Open;
    const bool vertical = side == Left || side == Right;
    const int lo = vertical ? e.B : e.L, hi = vertical ? e.Tp : e.R;
    const bool shortLo = w.Lo > lo, shortHi = w.Hi < hi;
    if (!shortLo && !shortHi) return SideState::Covered;
    if (shortLo && shortHi) return SideState::OpenBoth;
    // The upper end of a side is its high y; the left end of the top or bottom its low x.
    const bool firstShort = vertical ? shortHi : shortLo;
    return firstShort ? SideState::OpenFirstEnd : SideState::OpenSecondEnd;
}

bool OpenAt(SideState s, bool firstEnd) {
    return s == SideState::Open || s == SideState::OpenBoth ||
           (firstEnd ? s == SideState::OpenFirstEnd : s == SideState::OpenSecondEnd);
}

struct Span {
    int From, To;                   // along the side, low to high
    bool AtLowCorner, AtHighCorner; // the span starts (ends) at the room's corner
};

std::vector<Span> SpansOf(SideState s, const Winner& w, int lo, int hi, bool firstIsHigh) {
    std::vector<Span> spans;
    const Span low{lo, w.Lo, true, false}, high{w.Hi, hi, false, true};
    switch (s) {
    case SideState::Covered:
        break;
    case SideState::Open:
        spans.push_back({lo, hi, true, true});
        break;
    case SideState::OpenBoth:
        // The upper (or left) part first.
        if (firstIsHigh)
            spans = {high, low};
        else
            spans = {low, high};
        break;
    case SideState::OpenFirstEnd:
        spans.push_back(firstIsHigh ? high : low);
        break;
    case SideState::OpenSecondEnd:
        spans.push_back(firstIsHigh ? low : high);
        break;
    }
    return spans;
}

struct Context {
    AppState& S;
    int Thickness;
    int Number;
    Colorref Pen;
    const std::vector<Line>& Lines; // the wall lines as they were before this room's walls
};

// A corner square that the wall covering the neighbouring side left open: that wall's outer line ends at
// the square's outer corner p, and no line yet runs from e (where this wall's first line would stop) to
// p. Happens when the room was taken back and finished again after its neighbour: the first line then
// closes the square as it did the first time.
bool SquareLeftOpen(const std::vector<Line>& lines, Point e, Point p) {
    const bool vertical = e.X == p.X;
    const int lo = vertical ? std::min(e.Y, p.Y) : std::min(e.X, p.X);
    const int hi = vertical ? std::max(e.Y, p.Y) : std::max(e.X, p.X);
    bool waiting = false;
    for (const Line& l : lines) {
        if (l.Vertical == vertical && l.At == (vertical ? p.X : p.Y) && l.Lo <= lo && l.Hi >= hi)
            return false;
        if (l.External) continue;
        if (l.Vertical && l.At == p.X && (l.Lo == p.Y || l.Hi == p.Y)) waiting = true;
        if (!l.Vertical && l.At == p.Y && (l.Lo == p.X || l.Hi == p.X)) waiting = true;
    }
    return waiting;
}

std::unique_ptr<TInwallobj> WallRecord(const Context& c, Point a1, Point a2, Point b1, Point b2,
                                       int bearing) {
    auto w = std::make_unique<TInwallobj>();
    w->View = c.S.CurrentView;
    w->Highlight = w->Aux = c.Number;
    w->Colour = c.Pen;
    w->PenWidth = 1, w->PenStyle = 0;
    w->X1 = a1.X, w->Y1 = a1.Y, w->X2 = a2.X, w->Y2 = a2.Y;
    w->Thickness = c.Thickness;
    w->SecondX1 = b1.X, w->SecondY1 = b1.Y, w->SecondX2 = b2.X, w->SecondY2 = b2.Y;
    w->InWallFlag = 1;
    w->StartJoinBearing = w->EndJoinBearing = -1;
    w->Angle = bearing;
    w->InWallCodes = {100, 100, 100, 100};
    return w;
}

// The walls of one side, clockwise round the room; the first line reaches q further at a room corner
// where the side meeting it there is open too, so the two walls of the corner overlap in its square.
int MakeSide(const Context& c, Side side, const Edges& e, const std::array<SideState, 4>& st,
             const std::array<Winner, 4>& win) {
    const int q = c.Thickness;
    const bool vertical = side == Left || side == Right;
    const int lo = vertical ? e.B : e.L, hi = vertical ? e.Tp : e.R;
    // The sides meeting this one at its low and high corners, and which of their ends meets it.
    Side lowSide, highSide;
    bool lowFirst, highFirst;
    switch (side) {
    case Left:
        lowSide = Bottom, lowFirst = true, highSide = Top, highFirst = true;
        break;
    case Right:
        lowSide = Bottom, lowFirst = false, highSide = Top, highFirst = false;
        break;
    case Top:
        lowSide = Left, lowFirst = true, highSide = Right, highFirst = true;
        break;
    default:
        lowSide = Left, lowFirst = false, highSide = Right, highFirst = false;
        break;
    }
    int made = 0;
    for (const Span& s : SpansOf(st[side], win[side], lo, hi, vertical)) {
        const int from = s.From, to = s.To;
        // The first line's own coordinate across the side.
        const int across = side == Left    ? e.L - q
                           : side == Right ? e.R + q
                           : side == Top   ? e.Tp + q
                                           : e.B - q;
        auto at = [&](int along) { return vertical ? Point{across, along} : Point{along, across}; };
        auto reaches = [&](bool corner, SideState other, bool otherFirst, int end, int beyond) {
            return corner && (OpenAt(other, otherFirst) || SquareLeftOpen(c.Lines, at(end), at(beyond)));
        };
        const int firstFrom = reaches(s.AtLowCorner, st[lowSide], lowFirst, from, from - q) ? from - q : from;
        const int firstTo = reaches(s.AtHighCorner, st[highSide], highFirst, to, to + q) ? to + q : to;
        std::unique_ptr<TInwallobj> w;
        switch (side) {
        case Left:
            w = WallRecord(c, {e.L - q, firstFrom}, {e.L - q, firstTo}, {e.L, from}, {e.L, to}, 0);
            break;
        case Top:
            w = WallRecord(c, {firstFrom, e.Tp + q}, {firstTo, e.Tp + q}, {from, e.Tp}, {to, e.Tp}, 900);
            break;
        case Right:
            w = WallRecord(c, {e.R + q, firstTo}, {e.R + q, firstFrom}, {e.R, to}, {e.R, from}, 1800);
            break;
        default:
            w = WallRecord(c, {firstTo, e.B - q}, {firstFrom, e.B - q}, {to, e.B}, {from, e.B}, 2700);
            break;
        }
        if (to <= from) continue;
        c.S.DrawingObjects.Append(std::move(w));
        ++made;
    }
    return made;
}

std::unique_ptr<TTextobj> Label(const Context& c, int kind, int highlight, Point at, const std::string& text,
                                int height, int angle, int x2) {
    auto t = std::make_unique<TTextobj>(kind, c.S.CurrentView, highlight, c.Number, at.X, at.Y, text,
                                        c.S.DefaultFontName, height, angle, 6, 400, c.S.CurrentColour);
    t->X2 = x2;
    return t;
}

void AddLabels(const Context& c, const TRoomobj& room, const Edges& e) {
    const AppState& s = c.S;
    const DimensionOffsets off = ReadDimensionOffsets(s.HomePath, s.MetricFlag);
    const ManualArrowSettings arrow = ReadManualArrowSettings(s.HomePath);
    const int o = off.Internal, d = off.TextDirection, h = off.DimensionSize, a = arrow.SegmentLength;
    const int cx = e.L + (e.R - e.L) / 2, cy = e.Tp - (e.Tp - e.B) / 2;
    const int style = room.DimensionStyle;
    TFlist& list = c.S.DrawingObjects;
    int next = c.Number + 1;
    auto dimension = [&](Point p1, Point p2, Point p3, Point p4, int orientation, int number) {
        auto dim = std::make_unique<TDimensobj>(261, s.CurrentView, p1.X, p1.Y, p2.X, p2.Y, p3.X, p3.Y, p4.X,
                                                p4.Y, orientation, c.Pen);
        dim->TickStyle = arrow.TickStyle;
        dim->Highlight = number;
        dim->Aux = c.Number;
        list.Append(std::move(dim));
    };
    if (room.RoomName() != "none") {
        list.Append(Label(c, 36, next, {cx, cy}, room.RoomName(), h, 0, 900));
        if (style == 1) {
            auto size = Label(c, 36, next, {cx, cy - 50 * s.UnitsPerLogical},
                              room.WidthText() + " x " + room.LengthText(), h, 0, 900);
            size->Y2 = 50 * s.UnitsPerLogical;
            list.Append(std::move(size));
        }
        ++next;
    }
    if (style == 2 || style == 3) {
        list.Append(Label(c, 35, next, {cx, e.Tp - o}, room.WidthText(), h, 0, 2700));
        dimension({e.L, e.Tp - o}, {e.L + a, e.Tp - o}, {e.R, e.Tp - o}, {e.R - a, e.Tp - o}, 900, next);
        ++next;
    }
    if (style == 2 || style == 4) {
        list.Append(Label(c, 35, next, {e.L + o, cy}, room.LengthText(), h, d, 900));
        dimension({e.L + o, e.Tp}, {e.L + o, e.Tp - a}, {e.L + o, e.B}, {e.L + o, e.B + a}, 1800, next);
        ++next;
    }
    c.S.NextElementNo += next - (c.Number + 1);
}

// A partition finishing made for a room: its second line on the room's edge, its first line its thickness
// further out, running clockwise round the room.
bool MadeForSide(const TInwallobj& w, Side side, const Edges& e) {
    const int t = w.Thickness;
    switch (side) {
    case Left:
        return w.Angle == 0 && w.SecondX1 == e.L && w.SecondX2 == e.L && w.X1 == e.L - t && w.X2 == e.L - t &&
               Overlaps(std::min(w.SecondY1, w.SecondY2), std::max(w.SecondY1, w.SecondY2), e.B, e.Tp);
    case Right:
        return w.Angle == 1800 && w.SecondX1 == e.R && w.SecondX2 == e.R && w.X1 == e.R + t &&
               w.X2 == e.R + t &&
               Overlaps(std::min(w.SecondY1, w.SecondY2), std::max(w.SecondY1, w.SecondY2), e.B, e.Tp);
    case Top:
        return w.Angle == 900 && w.SecondY1 == e.Tp && w.SecondY2 == e.Tp && w.Y1 == e.Tp + t &&
               w.Y2 == e.Tp + t &&
               Overlaps(std::min(w.SecondX1, w.SecondX2), std::max(w.SecondX1, w.SecondX2), e.L, e.R);
    default:
        return w.Angle == 2700 && w.SecondY1 == e.B && w.SecondY2 == e.B && w.Y1 == e.B - t &&
               w.Y2 == e.B - t &&
               Overlaps(std::min(w.SecondX1, w.SecondX2), std::max(w.SecondX1, w.SecondX2), e.L, e.R);
    }
}

bool IsFinishedRoomNumber(const TFlist& list, int view, int number) {
    for (const auto& o : list)
        if (o->Kind == 29500 && o->View == view && o->Aux == number) return true;
    return false;
}

// A room taken back by ALTER left the partition it shared with a finished neighbour standing, numbered as
// the neighbour's. Finished again against that partition, the room takes it back: a partition belongs to
// the room it was made for, so finishing again gives the plan the first finish gave.
void ReclaimPartitions(AppState& s, const TRoomobj& room, const Edges& e) {
    if (room.Kind != 29001) return;
    for (const auto& o : s.DrawingObjects) {
        if (o->Kind != 150 || o->View != s.CurrentView || o->Aux == room.Aux) continue;
        auto& w = static_cast<TInwallobj&>(*o);
        const bool mine = MadeForSide(w, Left, e) || MadeForSide(w, Bottom, e) || MadeForSide(w, Right, e) ||
                          MadeForSide(w, Top, e);
        if (mine && IsFinishedRoomNumber(s.DrawingObjects, s.CurrentView, w.Aux))
            w.Highlight = w.Aux = room.Aux;
    }
}

bool IsSpace(const TRoomobj& r) {
    return r.RoomName() == "space" || r.RoomName() == "SPACE";
}

bool IsDesignRoom(const TObj& o, int view) {
    return o.View == view && (o.Kind == 29000 || o.Kind == 29001) && o.Class() == ObjClass::Room;
}

} // namespace

FinishResult FinishRooms(AppState& s, Ui& ui, int roomsView, Colorref pen) {
    FinishResult result;
    const int q = PartitionThickness(s, s.CurrentView);
    const int w = static_cast<int>(s.ZoomFactor * (s.MetricFlag == 1 ? 5 : 6) + 1);
    std::optional<Rect> box;
    // Rooms appended while walls are made lie beyond the count taken here; none is a room.
    const int count = s.DrawingObjects.ObjectCount();
    // The walls made for earlier rooms count as existing walls for later ones: their lines join the list
    // as they are made, in list order, so the floor is looked through once, not once a room.
    std::vector<Line> lines;
    AddWallLines(lines, s.DrawingObjects, s.CurrentView, FloorRecordCount);
    for (int i = FloorRecordCount; i < count; ++i) {
        const TObj* o = s.DrawingObjects.At(i);
        if (!IsDesignRoom(*o, roomsView)) continue;
        const TRoomobj room = *static_cast<const TRoomobj*>(o);
        ++result.Rooms;
        box = box ? Rect{std::min(box->Left, room.X1), std::max(box->Top, room.Y1),
                         std::max(box->Right, room.X2), std::min(box->Bottom, room.Y2)}
                  : Rect{room.X1, room.Y1, room.X2, room.Y2};
        if (IsSpace(room)) continue;
        Edges e{room.X1, room.X2, room.Y1, room.Y2};
        const int made = s.DrawingObjects.ObjectCount();
        SnapToFaces(e, lines, w);
        ReclaimPartitions(s, room, e);
        const auto win = NearestLines(e, lines);
        std::array<SideState, 4> st{};
        for (Side side : {Left, Bottom, Right, Top})
            st[side] = StateOf(win[side], side, e);
        const Context c{s, q, room.Aux, pen, lines};
        for (Side side : {Left, Bottom, Right, Top})
            result.Walls += MakeSide(c, side, e, st, win);
        AddLabels(c, room, e);
        AddWallLines(lines, s.DrawingObjects, s.CurrentView, made);
    }
    for (const auto& o : s.DrawingObjects) {
        if (IsDesignRoom(*o, roomsView)) {
            o->Kind = 29500;
            o->View = s.CurrentView;
        } else if (o->Kind == 150 && o->View == s.CurrentView && o->Z1 == 1) {
            o->Z1 = 0;
        }
    }
    // The list is the drawing: later rooms see the walls of earlier ones in it, so one save of the whole
    // drawing at the end stands for a save after every room, which would make finishing cost rooms times
    // the drawing.
    WriteDrawing(s, ui, ModeWorking);
    if (box) {
        const int grow = 2 * s.UnitsPerLogical * q;
        result.Box = {box->Left - grow, box->Top + grow, box->Right + grow, box->Bottom - grow};
    }
    return result;
}

} // namespace velmora
