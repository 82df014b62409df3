// The design-room tool: makes named rectangles of given size, and picks them up to drag (aligning on the
// drop to their neighbours and wall faces with the left button, to the group's boundary with the right),
// enlarge, shrink, move, rotate, delete or measure the free space for a new one. Each change is saved to the
// drawing at once, after its undo snapshot.
#pragma once

#include "building/design_room_geometry.h"
#include "dialogs/design_room_dialogs.h"
#include "tools/line_tool.h"

#include <optional>

namespace velmora {

class TRoomobj;

// Step codes of the room commands.
enum : int {
    RoomStepDrag = 5,       // a room is dragged, picked away from its centre
    RoomStepDragCentre = 6, // a room is dragged, picked near its centre
    RoomStepEnlarge = 20,
    RoomStepShrink = 21,
    RoomStepRotate = 30,
    RoomStepDelete = 40,
    RoomStepMove = 50,
    RoomStepMoveTyped = 55, // picked with the left button: the arrow asks a distance
    RoomStepMoveFine = 65,  // picked with the right button: each arrow moves one step
    RoomStepMaxSize = 1000,
    RoomStepAlter = 29001, // ALTER Finished Room: a click takes a finished room back
    RoomStepRefused = 10001,   // the free-area measurement was refused (outside the walls)
    RoomStepAngled = 10002,    // ... a measuring wall was angled
    RoomStepInside = 10003,    // ... the click was inside a room or on a wall
    RoomStepUnbounded = 10004, // ... a side of the free area is bounded by nothing
};

// What an arrow key did to the picked room.
enum class RoomEditOutcome { None, Done, TooSmall, NothingPicked };

class TDRoomobjtool : public TLineobjtool {
public:
    TDRoomobjtool(AppState& state, Ui& ui, int mode = 29000);

    void LeftDown(Canvas& dc, Size client, int px, int py) override;
    void LeftUp(Canvas& dc, Size client, int px, int py) override;
    void RightDown(Canvas& dc, Size client, int px, int py) override;
    void RightUp(Canvas& dc, Size client, int px, int py) override;
    void MouseMove(Canvas& dc, Size client, int px, int py) override;
    void DrawFeedback(Canvas& dc, int flag) override;
    void KeyStep(Canvas& dc, Size client, const KeyEvent& key, Point& cursor, int amount) override;
    // Makes a new room x wide and y long from Details at the parking place inside the visible area's
    // lower-left corner; MadeIndex is its list index.
    void Adjust(int amount, int x, int y) override;
    // ALTER Finished Room: the finished room at list index code becomes a design room again, with what
    // finishing made for it removed; RoomHit follows it to its new index, Step 0.
    void Operation(int code) override;

    // The list index of the picked room; RoomFound says whether the last pick found one.
    int RoomHit = NothingHit;
    bool RoomFound = false;
    int PickX = 0, PickY = 0;
    int PartitionThickness = 100;
    int RoomFillChoice = 1;
    RoomDetails Details;
    // The last arrow edit's outcome (a shrink below the smallest side is refused, the room unchanged).
    RoomEditOutcome LastEdit = RoomEditOutcome::None;
    // The free area measured by the last Max Room Size click.
    FreeArea Measured;

    // The merging distance of MERGEM.CFG / MERGEI.CFG (50 mm or 2 inches at least).
    int MergingDistance() const;
    // The partition thickness of a view from RMPTNM.CFG / RMPTNI.CFG.
    static int StoredPartition(const AppState& s, int view);

private:
    TRoomobj* Picked() const;
    bool Pick(Canvas& dc, int px, int py);
    void StartDrag(Canvas& dc);
    void Drop(Canvas& dc, bool toBoundary);
    void PlaceRoom(TRoomobj& room, const RoomRect& r);
    void Rotate();
    void Delete();
    void MeasureAt(int x, int y);
    void ArrowEdit(Key key, int amount);
    void MoveRoom(Key key, int amount);
    void RememberBox(const RoomRect& a, const RoomRect& b);
    void ShowLayoutSize();
    void OfferMeasuredRoom();
    void DrawBand(Canvas& dc) const;
    std::optional<RoomRect> Band;
};

} // namespace velmora
