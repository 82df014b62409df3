#include "building/opening_tool.h"

#include "app/drawing_store.h"
#include "app/keep_changes.h"
#include "app/undo_store.h"
#include "building/opening_parts.h"
#include "building/opening_settings.h"
#include "model/drawing_objects.h"
#include "view/units.h"

#include <algorithm>

namespace velmora {

TWindowobjtool::TWindowobjtool(AppState& state, Ui& ui) : TLineobjtool(state, ui, ModeWindowDoor) {
    Mode = ModeWindowDoor;
}

std::string TWindowobjtool::MarkingErrorText() const {
    const int t = Choice.Type;
    const char* what = "door";
    if (t == 1 || t == 2 || t == 4) what = "window";
    if (t == OpeningWallOpening) what = "opening";
    const std::string w = what;
    const std::string head = w == "window" ? "No window" : w == "opening" ? "No opening" : "No door";
    return head + " marked - cursor must be between the 2 or 4 line thickness of a wall and " + w +
           " must not overlap wall - select icon again";
}

void TWindowobjtool::MouseMove(Canvas& dc, Size, int px, int py) {
    if (Mode != ModeOpening) return;
    if (Feedback) DrawFeedback(dc, 0);
    const Point w = WorldAt(dc, px, py);
    Feedback = Point{WorldToLogical(w.X, S.UnitsPerLogical), WorldToLogical(w.Y, S.UnitsPerLogical)};
    DrawFeedback(dc, 1);
}

void TWindowobjtool::DrawFeedback(Canvas& dc, int) {
    if (!Feedback) return;
    dc.SetRasterOp(RasterOp::Xor);
    dc.SetPen(Pen{PenStyle::Dot, 2, PenColour});
    dc.SetBrush(Brush{true, 0});
    const int u = S.UnitsPerLogical;
    const Point c = *Feedback;
    if (Choice.Type == OpeningHangingDoor) {
        // The leaf at its opening angle from the cursor, and its closed position.
        dc.MoveTo(c.X, c.Y);
        dc.LineTo(c.X + SwingY / u, c.Y + SwingX / u);
        dc.MoveTo(c.X, c.Y);
        dc.LineTo(c.X + Choice.OpeningWidth / u, c.Y);
    } else {
        const int r = std::max(1, Choice.OpeningWidth / u / 2);
        dc.Ellipse(c.X - r, c.Y + r, c.X + r, c.Y - r);
    }
    dc.SetRasterOp(RasterOp::Copy);
}

void TWindowobjtool::KeyStep(Canvas& dc, Size, const KeyEvent& key, Point& cursor, int) {
    if (key.Code != Key::Enter || Mode != ModeOpening) return;
    Place(dc, WorldAt(dc, cursor.X, cursor.Y));
}

void TWindowobjtool::Place(Canvas& dc, Point p) {
    Placed = false;
    MadeIndex = -1;
    const auto hit = FindOpeningWall(S.DrawingObjects, S.CurrentView, p, Choice);
    if (!hit) {
        WallHit = -1;
        U.Message("Marking Error", MarkingErrorText());
        return;
    }
    // The feedback is XOR: it goes before the opening is painted and comes back after.
    if (Feedback) DrawFeedback(dc, 0);
    RecordUndo(S, U);
    ++S.NextElementNo;
    OpeningNumber = OpeningNumberFor(S.CurrentView, S.NextElementNo);
    WallHit = hit->Index, WallKindHit = hit->WallKind, FaceHit = hit->FaceHit;
    WallThickness = hit->Thickness, WallElement = hit->Element, Angle = hit->Bearing;
    OpeningLevel = hit->Level, OpeningTop = hit->Level + Choice.UnitValue;
    AnchorX = hit->Frame.Anchor().X, AnchorY = hit->Frame.Anchor().Y;
    OpeningStyle style{S.CurrentView, PenColour,         S.BackgroundColour, LineThickness,
                       SwingAngle,    S.UnitsPerLogical, S.DefaultZoom,      S.MetricFlag};
    OpeningObjects parts = BuildOpening(Choice, style, *hit, OpeningNumber);
    // The box to repaint: the opening with its leaves, arcs and label, whichever way the wall runs.
    const int reach = Choice.OpeningWidth + WallThickness + 200;
    BoxX1 = AnchorX - reach, BoxX2 = AnchorX + reach, BoxY1 = AnchorY - reach, BoxY2 = AnchorY + reach;
    MadeIndex = S.DrawingObjects.ObjectCount();
    for (auto& obj : parts)
        S.DrawingObjects.Append(std::move(obj));
    // Saved before it is painted: the painting never touches the records, but the file is the authority.
    WriteDrawing(S, U, ModeWorking);
    if (S.SaveState == 0) S.SaveState = 1;
    for (int i = MadeIndex; i < S.DrawingObjects.ObjectCount(); ++i)
        PaintAtOnce(dc, *S.DrawingObjects.At(i));
    if (Feedback) DrawFeedback(dc, 1);
    Placed = true;
}

void TWindowobjtool::Adjust(int, int code, int) {
    if (code == AdjustWindow) LoadWindow();
    if (code == AdjustDoor) LoadDoor();
}

void TWindowobjtool::LoadWindow() {
    const WindowSettings w = ReadWindowSettings(S.HomePath);
    Choice.Type = w.Type;
    Choice.OpeningWidth = w.Width, Choice.WindowHeight = w.Height;
    Choice.ShowSizes = w.ShowSizes, Choice.ShowCill = w.ShowCill, Choice.TextSize = w.TextSize;
    Choice.Font = w.Font;
    Choice.UnitValue = 1;
    Choice.DoorCount = 0;
}

void TWindowobjtool::LoadDoor() {
    DoorSettings d = ReadDoorSettings(S.HomePath);
    const int type = d.At(1);
    Choice.Type = type;
    Choice.UnitValue = d.At(4);
    Choice.DoorWidth = d.At(5);
    Choice.DoorCount = d.At(6);
    Choice.DoorSide = d.At(7);
    Choice.FramePosition = d.At(9);
    Choice.ShowCill = 0, Choice.ShowSizes = 0;
    const bool byFrame = type == 14 || type == 15 || type == 16 || type == 21 || type == 24;
    Choice.OpeningWidth = byFrame ? d.At(3) : Choice.DoorWidth * Choice.DoorCount;
    if (type == OpeningSlidersWithFrame) Choice.DoorSide = Choice.FramePosition;
    const SwingSettings swing = ReadSwingSettings(S.HomePath);
    SwingAngle = swing.Angle, LineThickness = swing.Thickness;
    const LeafReach r = LeafAt(Choice.OpeningWidth, SwingAngle);
    SwingX = r.Across, SwingY = r.Along;
    std::string error;
    ReportWrite(U, WriteDoorSettings(S.HomePath, d, error), error);
}

} // namespace velmora
