#include "building/opening_door_parts.h"

#include "building/opening_part_builder.h"

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

constexpr int PanelOffset = 25; // sliding panels run this far off the face or the wall's middle

bool Outward(int plan) {
    return plan == 1 || plan == 2 || plan == 6 || plan == 8;
}

// "Left" in a frame reads as the plan's left on level walls and the upper end on upright ones, whichever
// way the wall was drawn.
bool FrameReadsMirrored(int bearing) {
    return bearing >= 1 && bearing <= 1800;
}

void HangingDoor(OpeningParts& p) {
    const OpeningChoice& c = p.Choice;
    const int plan = PlanOnWall(c.DoorPlan, p.Hit.Bearing);
    if (HingeAtStartOfFrame(plan))
        p.Leaf(p.Lo, c.OpeningWidth, true, !Outward(plan));
    else
        p.Leaf(p.Hi, c.OpeningWidth, false, !Outward(plan));
}

// Two leaves meeting in the middle of [lo, hi].
void LeafPair(OpeningParts& p, int lo, int hi, bool inward) {
    const int e = (hi - lo) / 2;
    p.Leaf(lo, e, true, inward);
    p.Leaf(hi, e, false, inward);
}

// Where a block of doors of width d stands in the frame [Lo, Hi] by the frame position.
int BlockStart(const OpeningParts& p, int d) {
    int pos = p.Choice.FramePosition;
    if (FrameReadsMirrored(p.Hit.Bearing) && pos != 3) pos = pos == 1 ? 2 : 1;
    if (pos == 1) return p.Lo;
    if (pos == 2) return p.Hi - d;
    return -(d / 2);
}

void EntryFrame(OpeningParts& p) {
    const OpeningChoice& c = p.Choice;
    const int n = std::clamp(c.DoorCount, 1, 2);
    const int d = std::min(c.DoorWidth * n, c.OpeningWidth);
    const int b = BlockStart(p, d);
    // Entry doors open into the house on external walls.
    const bool inward = p.Hit.WallKind == WallKindExternal || p.Hit.FaceHit == FaceInner;
    if (n == 2) {
        LeafPair(p, b, b + d, inward);
    } else {
        const int plan = PlanOnWall(c.DoorPlan, p.Hit.Bearing);
        const bool in = p.Hit.WallKind == WallKindExternal ? true : !Outward(plan);
        if (HingeAtStartOfFrame(plan))
            p.Leaf(b, d, true, in);
        else
            p.Leaf(b + d, d, false, in);
    }
    const int t = p.Hit.Thickness, w = p.Style.LineThickness;
    if (b > p.Lo) {
        p.Line(11, p.Lo, t / 2, b, t / 2, w);
        p.Line(11, b, 0, b, t, w);
    }
    if (b + d < p.Hi) {
        p.Line(11, b + d, t / 2, p.Hi, t / 2, w);
        p.Line(11, b + d, 0, b + d, t, w);
    }
}

void SlidersWithFrame(OpeningParts& p) {
    const OpeningChoice& c = p.Choice;
    const int n = std::clamp(c.DoorCount, 1, 2);
    const int e = c.DoorWidth, d = std::min(e * n, c.OpeningWidth);
    const int b = BlockStart(p, d);
    const int mid = p.Hit.Thickness / 2, w = p.Style.LineThickness;
    for (int k = 0; k < n; ++k)
        p.Line(11, b + k * e, mid + PanelOffset, b + (k + 1) * e, mid + PanelOffset, w);
    // The fixed panels of the frame lie on the other track, where the doors slide past them.
    if (b > p.Lo) p.Line(11, p.Lo, mid - PanelOffset, b, mid - PanelOffset, w);
    if (b + d < p.Hi) p.Line(11, b + d, mid - PanelOffset, p.Hi, mid - PanelOffset, w);
}

int SliderTrack(const OpeningParts& p, bool firstFace) {
    if (p.Choice.IntoWall == 1) return p.Hit.Thickness / 2;
    return firstFace ? -PanelOffset : p.Hit.Thickness + PanelOffset;
}

void SlidingDoor(OpeningParts& p) {
    const int plan = PlanOnWall(p.Choice.DoorPlan, p.Hit.Bearing);
    const int v = SliderTrack(p, Outward(plan));
    const int w = p.Choice.OpeningWidth;
    if (HingeAtStartOfFrame(plan))
        p.Line(11, -w, v, 0, v, p.Style.LineThickness);
    else
        p.Line(11, 0, v, w, v, p.Style.LineThickness);
}

void SlidingPair(OpeningParts& p) {
    const int v = SliderTrack(p, p.Hit.FaceHit == FaceFirst);
    const int e = p.Choice.DoorWidth, half = e / 2;
    p.Line(11, p.Lo - half, v, p.Lo - half + e, v, p.Style.LineThickness);
    p.Line(11, p.Hi - half, v, p.Hi - half + e, v, p.Style.LineThickness);
}

// A stack of k folded panels of width pw from the end at u0, going towards dir.
void FoldedStack(OpeningParts& p, int u0, int dir, int k, int pw) {
    const int mid = p.Hit.Thickness / 2, quarter = pw / 4;
    // Each panel is half a panel deep across the wall, so it reaches along it by pw cos 30.
    const int along = static_cast<int>(std::lround(pw * std::sqrt(3.0) / 2.0));
    for (int i = 0; i < k; ++i) {
        const int from = u0 + dir * i * along, to = u0 + dir * (i + 1) * along;
        const int v1 = i % 2 == 0 ? mid - quarter : mid + quarter;
        const int v2 = i % 2 == 0 ? mid + quarter : mid - quarter;
        p.Line(11, from, v1, to, v2, p.Style.LineThickness);
    }
}

void FoldingDoors(OpeningParts& p) {
    const OpeningChoice& c = p.Choice;
    int n = std::clamp(c.DoorCount, 2, 10);
    if (n % 2 == 1) ++n;
    const int pw = c.OpeningWidth / n;
    if (c.DoorSide == 1) {
        FoldedStack(p, p.Lo, 1, n, pw);
    } else if (c.DoorSide == 2) {
        FoldedStack(p, p.Hi, -1, n, pw);
    } else {
        // Pairs fold together; with an odd number of pairs the left side takes the extra pair.
        const int pairs = n / 2;
        const int left = 2 * ((pairs + 1) / 2);
        FoldedStack(p, p.Lo, 1, left, pw);
        FoldedStack(p, p.Hi, -1, n - left, pw);
    }
}

void Wardrobe(OpeningParts& p) {
    const OpeningChoice& c = p.Choice;
    const int n = std::max(2, c.DoorCount), e = c.DoorWidth;
    // Neighbouring doors overlap by an equal share of what the doors exceed the opening by.
    const int overlap = n > 1 ? std::max(0, e * n - c.OpeningWidth) / (n - 1) : 0;
    const int mid = p.Hit.Thickness / 2;
    for (int i = 0; i < n; ++i) {
        const int from = i == n - 1 ? p.Hi - e : p.Lo + i * (e - overlap);
        const int v = i % 2 == 0 ? mid - PanelOffset : mid + PanelOffset;
        p.Line(11, from, v, from + e, v, p.Style.LineThickness);
    }
}

} // namespace

void AddDoorParts(OpeningParts& p) {
    const OpeningChoice& c = p.Choice;
    switch (c.Type) {
    case OpeningHangingDoor:
        HangingDoor(p);
        return;
    case OpeningDoubleDoor:
        LeafPair(p, p.Lo, p.Hi, p.Hit.FaceHit == FaceInner);
        return;
    case OpeningGarageDoor:
        if (c.DoorCount >= 2) LeafPair(p, p.Lo, p.Hi, false);
        return;
    case OpeningEntryFrame:
        EntryFrame(p);
        return;
    case OpeningSlidersWithFrame:
        SlidersWithFrame(p);
        return;
    case OpeningSlidingDoor:
        SlidingDoor(p);
        return;
    case OpeningSlidingPair:
        SlidingPair(p);
        return;
    case OpeningFoldingDoors:
        FoldingDoors(p);
        return;
    case OpeningWardrobe:
        Wardrobe(p);
        return;
    default:
        return; // windows and plain openings
    }
}

} // namespace velmora
