// The internal-wall tool: partition walls and double lines drawn from the keyboard like external walls,
// each segment a first line plus a second line at the wall's width on its right-hand side. A wall that
// meets another internal wall end to end joins it with a corner and takes over its width; one that ends on
// the face of a wall forms a T-junction; a free start of a run and the free end left by Escape are closed
// with a stop end.
#pragma once

#include "model/drawing_objects.h"
#include "tools/line_tool.h"

#include <memory>
#include <optional>
#include <vector>

namespace velmora {

// Stop-end kinds: across the start of a run, and across its end.
enum : int { KindInwall = 150, KindStopEndStart = 154, KindStopEndEnd = 155 };

class TInwallobjtool : public TLineobjtool {
public:
    TInwallobjtool(AppState& state, Ui& ui);

    void MouseMove(Canvas& dc, Size client, int px, int py) override;
    void KeyStep(Canvas& dc, Size client, const KeyEvent& key, Point& cursor, int amount) override;
    // Makes the wall from the tool's points: neighbours, width, corners and T-junctions are all worked out
    // on copies first, so a wall that cannot be made leaves every neighbour as it was.
    void Commit(Canvas& dc, Size client) override;
    // 1: the start-on-wall test of a start just marked; 2: the first-arrow check (OperationResult 30001 for
    // an arrow towards the second line); 3: the stop end at the start of the wall just made; 5: the stop
    // end at the run's end.
    void Operation(int code) override;
    // Step 1500: the design rooms finished into walls and labels of the current view, y 1 those of the
    // current view, 2 those of the layout view. Other steps nothing here.
    void Adjust(int amount, int x, int y) override;

    // Set by the command: the side code of the second line (also kept in HitKind, where the start check
    // looks for the side a first wall must run to).
    int SecondSide = 2;
    int FirstArrowChecked = 0;
    int FreeStart = 0;
    int ClosingWall = 0;
    int StartJoinBearing = -1, EndJoinBearing = -1;

    // What the last wall made was joined to at the point where the user ended it.
    bool LastEndAttached = false;
    // The last wall made was stored the other way round from how the user drew it.
    bool TurnedRound = false;
    // Walls made since the run's start was marked.
    int WallsInRun = 0;

private:
    struct Neighbour {
        int Index = -1;
        bool AtItsStart = false; // the new wall meets this wall's start (else its end)
        TInwallobj Wall;         // the neighbour as it will be stored
    };
    struct Plan {
        TInwallobj Wall;
        std::optional<Neighbour> Start, End;
        bool Reversed = false; // stored the other way round from how the user drew it
        bool StartAttached = false, EndAttached = false;
    };

    bool MakePlan(Plan& plan) const;
    void FindNeighbours(Plan& plan, Point& p1, Point& p2) const;
    void Bridge(Plan& plan, Point& p1, Point& p2, int& bearing) const;
    void MakeCorners(Plan& plan, int t) const;
    void MakeJunctions(Plan& plan, int t) const;
    std::optional<int> JunctionAt(Point p, int bearing, int t, int excluded, Point& second) const;
    void Store(Canvas& dc, Plan& plan);
    std::unique_ptr<TInwallobj> StopEnd(int kind, const TInwallobj& wall, Point from, Point to) const;
    void StartOnWallTest();
    void CheckFirstArrow();
    void StopEndAtStart();
    void StopEndAtEnd();
    bool Decides(const TObj& o) const;

    std::optional<Point> Band;
    // Where the user ended the wall the last commit made (the stored start when it was turned round).
    std::optional<Point> UserEnd;
};

} // namespace velmora
