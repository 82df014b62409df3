#include "building/design_room_tool.h"

#include "app/drawing_store.h"
#include "app/settings_files.h"
#include "app/undo_store.h"
#include "building/design_room_bounds.h"
#include "building/design_room_commands.h"
#include "building/finish_commands.h"
#include "model/drawing_objects.h"
#include "view/drawing_window.h"
#include "view/units.h"

#include <algorithm>
#include <cstdlib>

namespace velmora {

namespace {

// A press within this many logical units of a room's centre (in both axes) drags it by its centre.
constexpr int CentreReach = 60;

int PartitionSlot(int view) {
    if (view >= 40 && view <= 44) return view - 40;
    if (view >= 120 && view <= 125) return view - 120;
    return 0;
}

RoomRect Moved(RoomRect r, std::int64_t dx, std::int64_t dy) {
    r.Left += dx, r.Right += dx, r.Top += dy, r.Bottom += dy;
    return r;
}

bool FitsInt(const RoomRect& r) {
    auto ok = [](std::int64_t v) { return v >= INT32_MIN && v <= INT32_MAX; };
    return ok(r.Left) && ok(r.Right) && ok(r.Top) && ok(r.Bottom);
}

void SetSizeTexts(TRoomobj& room, int metricFlag) {
    room.SetWidthText(RoomSizeText(room.RoomWidth, metricFlag));
    room.SetLengthText(RoomSizeText(room.RoomLength, metricFlag));
}

} // namespace

TDRoomobjtool::TDRoomobjtool(AppState& state, Ui& ui, int mode) : TLineobjtool(state, ui, mode) {
    Mode = mode;
    Step = 0;
    PenWidth = 1;
    FillColour = state.BackgroundColour;
    PartitionThickness = StoredPartition(state, state.CurrentView);
}

int TDRoomobjtool::StoredPartition(const AppState& s, int view) {
    const bool metric = s.MetricFlag == 1;
    const auto v = ReadSettingsInts(s.HomePath, metric ? "RMPTNM.CFG" : "RMPTNI.CFG", 6);
    const int t = v ? (*v)[static_cast<std::size_t>(PartitionSlot(view))] : 0;
    if (t > 0 && t <= 1000) return t;
    return metric ? 100 : 96;
}

int TDRoomobjtool::MergingDistance() const {
    const bool metric = S.MetricFlag == 1;
    const int least = metric ? 50 : 48;
    const auto v = ReadSettingsInts(S.HomePath, metric ? "MERGEM.CFG" : "MERGEI.CFG", 1);
    return v ? std::max(least, (*v)[0]) : least;
}

TRoomobj* TDRoomobjtool::Picked() const {
    if (!RoomFound || RoomHit < 0 || RoomHit >= S.DrawingObjects.ObjectCount()) return nullptr;
    auto* room = dynamic_cast<TRoomobj*>(S.DrawingObjects.At(RoomHit));
    return room && IsDesignRoom(*room) ? room : nullptr;
}

bool TDRoomobjtool::Pick(Canvas& dc, int px, int py) {
    const Point p = WorldAt(dc, px, py);
    PickX = p.X, PickY = p.Y;
    const auto hit = RoomAt(S.DrawingObjects, S.CurrentView, p.X, p.Y);
    RoomFound = HitFound = hit.has_value();
    RoomHit = hit.value_or(NothingHit);
    return RoomFound;
}

void TDRoomobjtool::StartDrag(Canvas& dc) {
    const TRoomobj& room = *Picked();
    const std::int64_t reach = std::int64_t{CentreReach} * S.UnitsPerLogical;
    const std::int64_t cx = room.X1 + std::int64_t{room.RoomWidth} / 2;
    const std::int64_t cy = room.Y1 - std::int64_t{room.RoomLength} / 2;
    const bool centre = std::llabs(PickX - cx) < reach && std::llabs(PickY - cy) < reach;
    Step = centre ? RoomStepDragCentre : RoomStepDrag;
    Dragging = 1;
    X1 = room.X1, Y1 = room.Y1, X2 = room.X2, Y2 = room.Y2;
    Band = RectOf(room);
    DrawBand(dc);
}

void TDRoomobjtool::DrawBand(Canvas& dc) const {
    if (!Band) return;
    SelectRubberBand(dc);
    dc.SetBrush(Brush{true, 0});
    const int u = S.UnitsPerLogical;
    dc.Rectangle(WorldToLogical(Band->Left, u), WorldToLogical(Band->Top, u), WorldToLogical(Band->Right, u),
                 WorldToLogical(Band->Bottom, u));
}

void TDRoomobjtool::LeftDown(Canvas& dc, Size, int px, int py) {
    if (Step == RoomStepAlter) {
        const Point p = WorldAt(dc, px, py);
        PickX = p.X, PickY = p.Y;
        const auto hit = RoomAt(S.DrawingObjects, S.CurrentView, p.X, p.Y, true);
        if (!hit) return;
        Operation(*hit);
        // The click goes on as a drag of the room taken back.
        if (RoomFound) StartDrag(dc);
        return;
    }
    if (Step == RoomStepMaxSize) {
        const Point p = WorldAt(dc, px, py);
        MeasureAt(p.X, p.Y);
        return;
    }
    if (!Pick(dc, px, py)) return;
    if (Mode != 29001 || Step != 29001) RecordUndo(S, U);
    switch (Step) {
    case RoomStepEnlarge:
    case RoomStepShrink:
        Marked = 1;
        return;
    case RoomStepMove:
        Marked = 1;
        Step = RoomStepMoveTyped;
        return;
    case RoomStepRotate:
        Rotate();
        return;
    case RoomStepDelete:
        Delete();
        return;
    default:
        if (Step < RoomStepDrag) StartDrag(dc);
        return;
    }
}

void TDRoomobjtool::Operation(int code) {
    const int index = TakeBackFinishedRoom(S, U, code);
    RoomFound = HitFound = index >= 0;
    RoomHit = RoomFound ? index : NothingHit;
    if (!RoomFound) return;
    Step = 0;
    PartitionThickness = StoredPartition(S, S.CurrentView);
}

void TDRoomobjtool::RightDown(Canvas& dc, Size, int px, int py) {
    if (Step != 0 && Step != RoomStepMove) return;
    if (!Pick(dc, px, py)) return;
    RecordUndo(S, U);
    if (Step == RoomStepMove) {
        Marked = 1;
        Step = RoomStepMoveFine;
        return;
    }
    StartDrag(dc);
}

void TDRoomobjtool::MouseMove(Canvas& dc, Size, int px, int py) {
    if (Dragging != 1 || !Band || !Picked()) return;
    DrawBand(dc);
    const Point p = WorldAt(dc, px, py);
    Band = Moved(RectOf(*Picked()), std::int64_t{p.X} - PickX, std::int64_t{p.Y} - PickY);
    DrawBand(dc);
}

void TDRoomobjtool::DrawFeedback(Canvas& dc, int) {
    DrawBand(dc);
}

void TDRoomobjtool::LeftUp(Canvas& dc, Size, int px, int py) {
    if (Step == RoomStepMaxSize) {
        OfferMeasuredRoom();
        return;
    }
    if (Step != RoomStepDrag && Step != RoomStepDragCentre) return;
    MouseMove(dc, {}, px, py);
    Drop(dc, false);
}

void TDRoomobjtool::RightUp(Canvas& dc, Size, int px, int py) {
    if (Step != RoomStepDrag && Step != RoomStepDragCentre) return;
    MouseMove(dc, {}, px, py);
    Drop(dc, true);
}

void TDRoomobjtool::Drop(Canvas& dc, bool toBoundary) {
    DrawBand(dc);
    TRoomobj* room = Picked();
    const std::optional<RoomRect> band = Band;
    Band.reset();
    Dragging = 0;
    Step = 0;
    if (!room || !band) return;
    const int m = MergingDistance();
    const RoomRect r =
        toBoundary ? AlignToBoundary(S.DrawingObjects, S.CurrentView, RoomHit, *band, m)
                   : AlignToRooms(S.DrawingObjects, S.CurrentView, RoomHit, *band, m, PartitionThickness);
    if (!FitsInt(r) || r.Left < 0 || r.Bottom < 0) return; // off the sheet: the room stays where it was
    RememberBox(RectOf(*room), r);
    PlaceRoom(*room, r);
    SaveDrawing(S, ModeWorking);
    ShowLayoutSize();
}

void TDRoomobjtool::ShowLayoutSize() {
    if (S.CurrentView >= 50) return;
    const DesignRoomBoundsResult b = DesignRoomBounds(S);
    if (!b.BoxWritten) return;
    if (Window) {
        Window->RefX = static_cast<int>(b.Left);
        Window->RefY = static_cast<int>(b.Top);
        Window->ReadoutMode = 4;
    }
    U.SetPanel(0, LayoutSizeText(b, S.MetricFlag));
}

void TDRoomobjtool::PlaceRoom(TRoomobj& room, const RoomRect& r) {
    room.X1 = static_cast<int>(r.Left), room.Y1 = static_cast<int>(r.Top);
    room.X2 = static_cast<int>(r.Right), room.Y2 = static_cast<int>(r.Bottom);
    room.RoomWidth = static_cast<int>(r.Width()), room.RoomLength = static_cast<int>(r.Height());
    X1 = room.X1, Y1 = room.Y1, X2 = room.X2, Y2 = room.Y2;
}

void TDRoomobjtool::RememberBox(const RoomRect& a, const RoomRect& b) {
    BoxX1 = static_cast<int>(std::min(a.Left, b.Left)), BoxX2 = static_cast<int>(std::max(a.Right, b.Right));
    BoxY1 = static_cast<int>(std::max(a.Top, b.Top)), BoxY2 = static_cast<int>(std::min(a.Bottom, b.Bottom));
}

void TDRoomobjtool::Rotate() {
    TRoomobj& room = *Picked();
    const RoomRect old = RectOf(room);
    const std::int64_t cx = old.Left + old.Width() / 2, cy = old.Top - old.Height() / 2;
    const std::int64_t w = room.RoomLength, l = room.RoomWidth;
    const RoomRect r{cx - w / 2, cy + l / 2, cx - w / 2 + w, cy + l / 2 - l};
    if (!FitsInt(r) || r.Left < 0 || r.Bottom < 0) return;
    RememberBox(old, r);
    PlaceRoom(room, r);
    SetSizeTexts(room, S.MetricFlag);
}

void TDRoomobjtool::Delete() {
    RememberBox(RectOf(*Picked()), RectOf(*Picked()));
    S.DrawingObjects.RemoveAt(RoomHit);
    RoomFound = false;
    RoomHit = NothingHit;
}

void TDRoomobjtool::MeasureAt(int x, int y) {
    Measured = MeasureFreeArea(S.DrawingObjects, S.CurrentView, x, y, PartitionThickness);
    switch (Measured.Outcome) {
    case FreeAreaOutcome::Measured: {
        std::string error;
        WriteSettingsLine(S.HomePath, "MAX.CFG", error, "%d %d", static_cast<int>(Measured.Width),
                          static_cast<int>(Measured.Height));
        return;
    }
    case FreeAreaOutcome::OutsideWalls:
        Step = RoomStepRefused;
        return;
    case FreeAreaOutcome::AngledWall:
        Step = RoomStepAngled;
        return;
    case FreeAreaOutcome::InsideSomething:
        Step = RoomStepInside;
        return;
    case FreeAreaOutcome::Unbounded:
        Step = RoomStepUnbounded;
        return;
    }
}

// The room of the measured size, offered through the room dialog at the parking place.
void TDRoomobjtool::OfferMeasuredRoom() {
    if (Measured.Outcome != FreeAreaOutcome::Measured) return;
    Measured.Outcome = FreeAreaOutcome::Unbounded; // offered once
    const int w = static_cast<int>(std::min<std::int64_t>(Measured.Width, MaxRoomSide(S.MetricFlag)));
    const int l = static_cast<int>(std::min<std::int64_t>(Measured.Height, MaxRoomSide(S.MetricFlag)));
    Step = 0;
    Mode = 29000;
    if (!RunNewRoomSequence(S, U, w, l)) return;
    U.SetPanel(0,
               "GUIDE: place cursor in room, move with Left Button down (align to Room), Right Button (align "
               "Boundary)");
}

void TDRoomobjtool::KeyStep(Canvas&, Size, const KeyEvent& key, Point&, int amount) {
    LastEdit = RoomEditOutcome::None;
    if (key.Code != Key::Left && key.Code != Key::Right && key.Code != Key::Up && key.Code != Key::Down)
        return;
    if (!Picked()) {
        LastEdit = RoomEditOutcome::NothingPicked;
        return;
    }
    if (Step == RoomStepEnlarge || Step == RoomStepShrink) ArrowEdit(key.Code, amount);
    if (Step == RoomStepMoveTyped) MoveRoom(key.Code, amount);
    if (Step == RoomStepMoveFine) MoveRoom(key.Code, S.MetricFlag == 1 ? 25 : 24);
    if (LastEdit == RoomEditOutcome::Done) MadeIndex = RoomHit;
}

void TDRoomobjtool::ArrowEdit(Key key, int amount) {
    TRoomobj& room = *Picked();
    const RoomRect old = RectOf(room);
    RoomRect r = old;
    const std::int64_t a = Step == RoomStepShrink ? -std::int64_t{amount} : amount;
    if (key == Key::Up) r.Top += a;
    if (key == Key::Down) r.Bottom -= a;
    if (key == Key::Right) r.Right += a;
    if (key == Key::Left) r.Left -= a;
    // A side below the smallest room could never be picked again: the shrink is refused.
    const int least = MinRoomSide(S.MetricFlag);
    if (r.Width() < least || r.Height() < least) {
        LastEdit = RoomEditOutcome::TooSmall;
        U.Message("",
                  S.MetricFlag == 1 ? "SHRINK DESIGN ROOM\nno side of a room can be less than 200 mm"
                                    : "SHRINK DESIGN ROOM\nno side of a room can be less than 8 inches",
                  MessageKind::Error);
        return;
    }
    if (!FitsInt(r) || r.Left < 0 || r.Bottom < 0) return;
    RememberBox(old, r);
    PlaceRoom(room, r);
    SetSizeTexts(room, S.MetricFlag);
    LastEdit = RoomEditOutcome::Done;
}

void TDRoomobjtool::MoveRoom(Key key, int amount) {
    TRoomobj& room = *Picked();
    const RoomRect old = RectOf(room);
    std::int64_t dx = 0, dy = 0;
    if (key == Key::Up) dy = amount;
    if (key == Key::Down) dy = -amount;
    if (key == Key::Right) dx = amount;
    if (key == Key::Left) dx = -amount;
    const RoomRect r = Moved(old, dx, dy);
    if (!FitsInt(r) || r.Left < 0 || r.Bottom < 0) return;
    RememberBox(old, r);
    PlaceRoom(room, r);
    LastEdit = RoomEditOutcome::Done;
}

void TDRoomobjtool::Adjust(int, int width, int length) {
    MadeIndex = -1;
    const std::int64_t u = S.UnitsPerLogical;
    const std::int64_t left = (2 * u + S.ViewOrgX) * u, bottom = (2 * u + S.ViewOrgY) * u;
    const RoomRect r{left, bottom + length, left + width, bottom};
    if (!FitsInt(r)) return;
    auto room = std::make_unique<TRoomobj>();
    room->Kind = 29000;
    room->View = S.CurrentView;
    room->Highlight = room->Aux = RoomElementNumber(S.CurrentView, S.NextElementNo);
    ++S.NextElementNo;
    room->DimensionStyle = Details.DimensionStyle;
    room->TextSize = 10;
    room->SetRoomName(Details.Name);
    RoomFillChoice = Details.ColourChoice;
    room->RoomFill = S.BackgroundColour;
    if (RoomFillChoice >= 2 && RoomFillChoice <= 4) {
        const auto colours = ReadSettingsInts(S.HomePath, "RMCLR.CFG", 3);
        const Colorref defaults[] = {Rgb(200, 230, 255), Rgb(255, 230, 230), Rgb(220, 255, 220)};
        const auto i = static_cast<std::size_t>(RoomFillChoice - 2);
        room->RoomFill = colours ? static_cast<Colorref>((*colours)[i]) : defaults[i];
    }
    room->Colour = PenColour;
    PlaceRoom(*room, r);
    SetSizeTexts(*room, S.MetricFlag);
    PartitionThickness = StoredPartition(S, S.CurrentView);
    RememberBox(r, r);
    S.DrawingObjects.Append(std::move(room));
    MadeIndex = RoomHit = S.DrawingObjects.ObjectCount() - 1;
    RoomFound = true;
    SaveDrawing(S, ModeWorking);
}

} // namespace velmora
