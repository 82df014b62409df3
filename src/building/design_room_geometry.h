// The geometry of design rooms with no tool around it: where a dropped room snaps to, the box of a group,
// the free area round a point, element numbers and the size texts. World units throughout; rectangles are
// kept as the room records keep them (top = the larger y).
#pragma once

#include "model/object_list.h"

#include <cstdint>
#include <optional>
#include <string>

namespace velmora {

struct RoomRect {
    std::int64_t Left = 0, Top = 0, Right = 0, Bottom = 0;
    std::int64_t Width() const { return Right - Left; }
    std::int64_t Height() const { return Top - Bottom; }
    bool operator==(const RoomRect&) const = default;
};

bool IsDesignRoom(const TObj& o); // kinds 29000 and 29001
RoomRect RectOf(const TObj& room);

// The smallest side a room may have, in world units: 200 mm, or 8 inches.
int MinRoomSide(int metricFlag);
// The largest side the room dialog accepts: 30000 mm, or 98 feet.
int MaxRoomSide(int metricFlag);

// A room's width or length as its label shows it: millimetres, or feet, inches and eighths.
std::string RoomSizeText(std::int64_t size, int metricFlag);

// The element number of a new room: the drawing's next number plus the base of the room's floor. Each floor
// (and the layout, which shares the ground floor's numbers) has a base a million apart, so the rooms of two
// floors never share a number however many elements a drawing holds.
int RoomElementNumber(int view, int nextElementNo);

// The rectangle moved by the nearest snap target along each axis (room edges t apart or in line, external
// walls' innermost lines, internal wall lines), when that target lies closer than m. `moving` is the list
// index of the dragged room, which is no target of its own.
RoomRect AlignToRooms(const TFlist& list, int view, int moving, RoomRect r, int m, int t);
// The rectangle moved onto the outer boundary of the other design rooms of the view, where an edge lies
// closer than m to it. Unchanged with fewer than two rooms on the view.
RoomRect AlignToBoundary(const TFlist& list, int view, int moving, RoomRect r, int m);

// The first design room (29000, 29001; 29500 for finished rooms) of the view strictly containing the world
// point; nothing when none does.
std::optional<int> RoomAt(const TFlist& list, int view, std::int64_t x, std::int64_t y,
                          bool finished = false);

// The free area round a point, for Max Room Size.
enum class FreeAreaOutcome { Measured, InsideSomething, OutsideWalls, AngledWall, Unbounded };
struct FreeArea {
    FreeAreaOutcome Outcome = FreeAreaOutcome::Unbounded;
    std::int64_t Width = 0, Height = 0;
};
FreeArea MeasureFreeArea(const TFlist& list, int view, std::int64_t x, std::int64_t y, int t);

} // namespace velmora
