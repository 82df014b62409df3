// The external-wall tool: the outer walls of one floor drawn as a clockwise chain of segments, mostly from
// the keyboard (the line tool's Enter and arrow protocol), each segment one TExtwallobj with its inner lines
// joined to its neighbours' at proper corners. It also copies the outline of a lower floor and finishes a
// completed floor (re-centring and floor area).
#pragma once

#include "building/external_wall_plan.h"
#include "tools/line_tool.h"

namespace velmora {

class TExtwallobjtool : public TLineobjtool {
public:
    TExtwallobjtool(AppState& state, Ui& ui);

    void Commit(Canvas& dc, Size client) override;
    // Whether the wall from the tool's points can be made, joined to its neighbours as Commit would.
    bool CanCommit() const override;
    // 2 the suggested length of the next arrow, 3 copy the walls of the floor below, 4 copy the ground floor
    // into the basement, 5 finish a completed floor, 7 the walls of the layout's corner marks; others nothing.
    void Operation(int code) override;

    // Where the inner lines lie from a wall that touches no other: 1 below, 2 left, 3 above, 4 right. The
    // line tool's start check reads it from HitKind to turn the first wall of a run.
    int InnerSide() const { return HitKind; }
    void SetInnerSide(int side) { HitKind = side; }

    // Which floors a change of the base reaches (wall editing): 1 all, 2 ground floor, 3 this floor; 0 none.
    int FloorScope = 0;

    // Makes a wall from (X1, Y1) to (X2, Y2) with bearing Angle in the current view, its neighbours joined;
    // the list index of the wall, or -1 when none can be made (the drawing is then as it was). Does not
    // save or paint.
    int MakeWall();

private:
    WallRequest Request() const;
    void CopyFloor(int fromView);
    void FinishFloor();
    void PaintWallAndNeighbours(Canvas& dc, int made);
};

} // namespace velmora
