// The keys of the marked state: an arrow asks its length and draws that segment, A switches the angle mode,
// F and numpad + close a run, Enter marks an end; then the guide line, the read-out and the cursor follow
// what the segment did. A segment that was refused changes none of them.
#include "view/drawing_window.h"

#include "app/drawing_store.h"
#include "app/floor_area.h"
#include "app/plan_titles.h"
#include "app/undo_store.h"
#include "app/wizard_sequence.h"
#include "tools/chain_ends.h"
#include "tools/drawing_tool.h"
#include "tools/line_label.h"
#include "tools/line_tool.h"
#include "tools/polygon_tool.h"
#include "tools/tool_install.h"
#include "view/key_codes.h"
#include "view/length_question.h"
#include "view/units.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace velmora {

namespace {

bool DrawsWithTheMouse(const TDrawingtool& t) {
    const bool lineOrWall = t.Mode == ModePlainLine || t.Mode == ModeExtWall || t.Mode == ModeInWall;
    // The text tools draw no segments: their arrows only fine-tune the cursor.
    return (lineOrWall && (t.Step == 1 || t.Step == 181)) || (t.Mode == 6720 && t.Step == 1) ||
           t.Mode == ModeConstruction || t.Mode == 4 || t.Mode == 24;
}

// A distance as the status bar shows it: whole millimetres, or feet and inches with eighths.
std::string DistanceText(std::int64_t v, int metricFlag) {
    if (metricFlag == 1) return std::to_string(v);
    const std::int64_t inches = v / 24, rest = v % 24;
    std::string s = std::to_string(inches / 12) + "' " + std::to_string(inches % 12);
    if (const auto f = EighthsOf(static_cast<int>(rest)))
        s += " " + std::to_string(f->Numerator) + "/" + std::to_string(f->Denominator) + "''";
    return s;
}

// The guided sequence draws some of its walls to fixed lengths. The first wall is as long as the two left
// walls together (30 ft 6 in, 8784, in feet and inches), so that the last wall closes square.
std::optional<int> WizardLength(const AppState& s, Key arrow) {
    if (s.WizardMode == 0) return std::nullopt;
    const bool metric = s.MetricFlag == 1;
    if (arrow == Key::Left && s.WizardStep == 8) return metric ? 6000 : 5904;
    if (arrow == Key::Left && s.WizardStep == 10) return metric ? 3000 : 2880;
    if (arrow == Key::Right && s.WizardStep == 6) return metric ? 9000 : 8784;
    return std::nullopt;
}

// The walls of the external-wall sequences: the arrow of each step; none at the step that closes the run.
constexpr int FirstWallStep = 6, ClosingStep = 11;
// The corners of the layout sequence's marking, each marked with Enter; none at the step that closes them.
constexpr int FirstCornerStep = 114, ClosingCornerStep = 119;

std::optional<Key> WizardArrow(const AppState& s) {
    switch (s.WizardStep) {
    case 6:
        return Key::Right;
    case 7:
    case 9:
        return Key::Down;
    case 8:
    case 10:
        return Key::Left;
    default:
        return std::nullopt;
    }
}

} // namespace

// A guided sequence follows its script: in the sequences of types 1 and 2 an arrow the step does not ask
// for is refused, and a run may only be finished at the steps that close it.
bool TMDIChild::WizardRefuses(const KeyEvent& key) {
    if (S.WizardMode == 0) return false;
    if (IsArrow(key.Code)) {
        if (S.WizardSequence != 1 && S.WizardSequence != 2) return false;
        if (S.WizardStep < FirstWallStep || S.WizardStep > ClosingStep) return false;
        const auto asked = WizardArrow(S);
        if (asked == key.Code) return false;
        U.Message("", "Wrong arrow key pressed");
        return true;
    }
    if ((IsFinishKey(key) || key.Code == Key::Add) && S.WizardStep != 11 && S.WizardStep != 119) {
        U.Message("", "Wrong key pressed");
        return true;
    }
    return false;
}

std::string TMDIChild::LengthTitle() const {
    const TDrawingtool* t = Tool();
    switch (t->Mode) {
    case ModeRoundRect:
        return "ROUNDED RECTANGLE";
    case ModeExpandBase:
        return t->Step == 9 ? "SHRINK BASE BY" : "EXPAND BASE BY";
    case ModeExtWall:
        return "EXTERNAL WALL";
    case ModeInWall:
        return t->Marked == 4 ? "OPEN UP" : "WALL TO";
    case 29000:
    case 29001:
        return (t->Step == 20 || t->Step == 21 || t->Step == 55) ? "ADJUST ROOM" : "";
    default:
        return "";
    }
}

void TMDIChild::MarkedKey(Canvas& dc, const KeyEvent& key, Point cursor) {
    TDrawingtool* tool = Tool();
    if (WizardRefuses(key)) return;
    if (IsArrow(key.Code)) {
        if (DrawsWithTheMouse(*tool)) {
            NudgeCursor(key.Code);
            return;
        }
        ArrowSegment(dc, key.Code, cursor);
        return;
    }
    if (IsAngleKey(key)) {
        ToggleAngleMode();
        return;
    }
    if (tool->Mode == ModePolygon && (IsFinishKey(key) || key.Code == Key::Add || key.Code == Key::Enter)) {
        PolygonKey(dc, key.Code == Key::Enter ? key : KeyEvent{Key::Add}, cursor, 0);
        return;
    }
    if (IsFinishKey(key) || key.Code == Key::Add) {
        if (tool->Mode != ModeConstruction && tool->Mode != ModeExtWall) return;
        if (key.Code == Key::Add) SaveDrawing(S, ModeWorking);
        FinishRun(dc);
        return;
    }
    if (key.Code != Key::Enter) return;
    Point p = cursor;
    const int phase = S.EnterPhase;
    tool->MadeIndex = -1;
    tool->KeyStep(dc, U.ClientSize(), key, p, 0);
    AfterSegment(dc, phase == 2);
}

void TMDIChild::ToggleAngleMode() {
    TDrawingtool* t = Tool();
    if (S.WizardMode != 0) return;
    if (t->Mode == 6720) {
        t->Step = t->Step == 0 ? 1 : 0;
        return;
    }
    if (t->Mode != ModePlainLine && t->Mode != ModeExtWall && t->Mode != ModeInWall) return;
    if (t->Step == 0 || t->Step == 180) {
        t->Dragging = 1;
        ++t->Step;
    } else if (t->Step == 1 || t->Step == 181) {
        t->Dragging = 0;
        --t->Step;
    }
}

// The arrow's length, after the tools that must first accept the direction have had their say.
std::optional<int> TMDIChild::SegmentLength(Key arrow) {
    TDrawingtool* tool = Tool();
    const int code = ArrowDirectionCode(arrow);
    tool->OperationResult = 0;
    if (tool->Mode == ModeExtWall || (tool->Mode == ModeInWall && tool->Marked == 1)) {
        // An external wall's snapshot is taken by its commit, once it is known to be made: one undo step a
        // wall, and none for a wall refused.
        if (tool->Mode == ModeInWall) RecordUndo(S, U);
        tool->Scrolled = code;
        tool->Operation(2);
    } else if (tool->Mode == ModePlainLine && tool->Step == 0) {
        tool->HitKind = code;
        tool->Operation(10);
    }
    if (tool->OperationResult == NothingHit) {
        U.Message(
            "",
            arrow == Key::Right
                ? "Wrong Arrow key for second line position - re select Internal Wall icon and try again"
                : "Wrong Arrow key for second line position - re select internal wall icon and try again",
            MessageKind::Error);
        ReturnToPickTool(S, U);
        return std::nullopt;
    }
    if (tool->OperationResult == 30002) {
        const char* text =
            arrow == Key::Right ? "Wrong Arrow key, the selected wall can only be moved up or down"
            : arrow == Key::Up  ? "Wrong Arrow key, the selected wall can only be moved left or right"
                                : "Wrong Arrow key to shorten / extend the wall selected";
        U.Message("", text, MessageKind::Error);
        return std::nullopt;
    }
    if (const auto fixed = WizardLength(S, arrow)) return fixed;
    const LengthAnswer a = AskSegmentLength(U, S.MetricFlag, LengthTitle(), arrow, Tool()->SuggestedLength);
    if (a.Outcome == LengthOutcome::PickTool) {
        ReturnToPickTool(S, U);
        U.SetPanel(0, "GUIDE; Pick Tool");
    }
    if (a.Outcome != LengthOutcome::Given) return std::nullopt;
    return a.Length;
}

// The sheet-edge check: a segment must end on the drawing sheet, where every stored point lies.
bool TMDIChild::EndsOnSheet(Key arrow, int length) const {
    const TDrawingtool* t = Tool();
    const std::int64_t u = S.UnitsPerLogical;
    // A polygon's corner is measured from its last corner.
    const bool polygon = t->Mode == ModePolygon;
    std::int64_t x = polygon ? t->X2 : t->X1, y = polygon ? t->Y2 : t->Y1;
    if (arrow == Key::Left) x -= length;
    if (arrow == Key::Right) x += length;
    if (arrow == Key::Up) y += length;
    if (arrow == Key::Down) y -= length;
    return x >= 10 && y >= 10 && x <= S.SheetWidth * u && y <= S.SheetHeight * u;
}

// An arrow on a picked design room: a typed distance (enlarge, shrink, move) or one fine step (65).
void TMDIChild::RoomArrow(Canvas& dc, Key arrow, Point cursor) {
    TDrawingtool* tool = Tool();
    const int step = tool->Step;
    if (step != 20 && step != 21 && step != 55 && step != 65) {
        ReturnToPickTool(S, U);
        return;
    }
    int amount = 0;
    if (step != 65) {
        const auto length = SegmentLength(arrow);
        if (!length) return;
        amount = *length;
    }
    tool->MadeIndex = -1;
    KeyEvent key{arrow};
    tool->KeyStep(dc, U.ClientSize(), key, cursor, amount);
    if (step != 65) tool->Step = 0;
    if (tool->MadeIndex < 0) return; // refused: the room is as it was
    SaveDrawing(S, ModeWorking);
    S.SaveState = 1;
    InvalidateChange(ChangeBoxOnly);
}

void TMDIChild::ArrowSegment(Canvas& dc, Key arrow, Point cursor) {
    if (Tool()->Mode == 29000 || Tool()->Mode == 29001) {
        RoomArrow(dc, arrow, cursor);
        return;
    }
    const auto length = SegmentLength(arrow);
    if (!length) return;
    TDrawingtool* tool = Tool();
    if (!EndsOnSheet(arrow, *length)) {
        U.Message("", "that length would take the line off the drawing sheet - try a shorter length",
                  MessageKind::Error);
        return;
    }
    // The rounded rectangle keeps its corner radius there.
    if (tool->Mode != ModeRoundRect) tool->SuggestedLength = *length;
    tool->MadeIndex = -1;
    if (tool->Mode == ModePolygon) {
        PolygonKey(dc, KeyEvent{arrow}, cursor, *length);
        return;
    }
    Point p = cursor;
    KeyEvent key{arrow};
    if (tool->Mode == ModeInWall && tool->Step == 700)
        tool->Adjust(*length, ArrowDirectionCode(arrow), 0);
    else
        tool->KeyStep(dc, U.ClientSize(), key, p, *length);
    AfterSegment(dc, true);
}

// F or numpad +: the closing segment from the run's open end onto its start.
void TMDIChild::FinishRun(Canvas& dc) {
    TDrawingtool* tool = Tool();
    if (tool->Mode != ModeExtWall) RecordUndo(S, U); // the closing wall's commit takes its own
    const auto chain = FindOpenChain(S.DrawingObjects, S.CurrentView, tool->Mode == ModeExtWall ? 100 : 11);
    auto* line = dynamic_cast<TLinetool*>(tool);
    if (!chain || !line) return;
    line->X1 = chain->End.X, line->Y1 = chain->End.Y;
    line->ForcedEnd = chain->Start;
    S.EnterPhase = 2;
    tool->MadeIndex = -1;
    Point p = U.CursorPos();
    tool->KeyStep(dc, U.ClientSize(), KeyEvent{Key::Enter}, p, 1);
    AfterSegment(dc, true);
}

void TMDIChild::AfterSegment(Canvas& dc, bool attempted) {
    TDrawingtool* tool = Tool();
    if (attempted && tool->MadeIndex < 0) return; // refused: nothing moved, nothing to say
    if (tool->Mode == ModeConstruction || tool->Mode == ModeExtWall) {
        RunGuide();
        const bool closed = RunClosed();
        // Each wall of the guided sequence's base is a step of its own; the closing wall is the next one.
        if (tool->Mode == ModeExtWall && !closed && S.WizardStep >= FirstWallStep &&
            S.WizardStep < ClosingStep)
            AdvanceWizard(S, U, S.WizardStep);
        // So is each corner the layout sequence marks after the first.
        if (tool->Mode == ModeConstruction && !closed && S.WizardStep >= FirstCornerStep &&
            S.WizardStep < ClosingCornerStep)
            AdvanceWizard(S, U, S.WizardStep);
        if (closed) FinishBase(dc);
        return;
    }
    if (tool->Mode == ModeInWall) {
        // The read-out measures from the end of the wall just made.
        ReadoutMode = 4;
        RefX = tool->X1, RefY = tool->Y1;
        InvalidateChange(ChangeAroundTool);
        return;
    }
    if (tool->Mode == ModePlainLine && tool->Step == 51 && tool->MadeIndex >= 0) {
        InvalidateChange(ChangeAroundTool);
        LabelLineJustMade(S, U, dc);
        return;
    }
    if (tool->Mode == ModePlainLine) {
        if (tool->Step == 42) {
            ReadoutMode = 1;
        } else {
            U.SetPanel(0, "press arrow key for direction of next line, OR press LeftButton & DRAG, use Right "
                          "Button to detool");
            tool->Marked = 1;
        }
        if (tool->MadeIndex >= 0) InvalidateChange(ChangeAroundTool);
    }
}

void TMDIChild::RunGuide() {
    TDrawingtool* tool = Tool();
    ReadoutMode = 4;
    RefX = tool->X1, RefY = tool->Y1;
    InvalidateChange(ChangeAroundTool);
    U.SetPanel(0, "GUIDE: Continue - if same details use arrow keys or Enter endpoint");
    const std::int64_t h = std::llabs(std::int64_t{tool->X1} - PressX),
                       v = std::llabs(std::int64_t{tool->Y1} - PressY);
    if (h <= 100 && v <= 100) return;
    const std::string head = tool->Mode == ModeExtWall ? "Press + (ADD) or F key to draw final wall. "
                                                       : "Press + (ADD) or F key when all corners marked. ";
    U.SetPanel(0, head + "Distance from START POINT h " + DistanceText(h, S.MetricFlag) + ": v " +
                      DistanceText(v, S.MetricFlag));
}

bool TMDIChild::RunClosed() const {
    const int kind = Tool()->Mode == ModeExtWall ? 100 : 11;
    return CountOfKind(S.DrawingObjects, S.CurrentView, kind) > 2 &&
           !FindOpenChain(S.DrawingObjects, S.CurrentView, kind);
}

// A closed run finishes the base: the automatic dimensions of the view, then the pick tool.
void TMDIChild::FinishBase(Canvas& dc) {
    if (Tool()->Mode == ModeConstruction && S.CurrentView == ViewLayoutMarking) {
        FinishLayout(dc);
        return;
    }
    const bool walls = Tool()->Mode == ModeExtWall;
    Tool()->Marked = 0;
    // A floor of walls is centred on the sheet and measured before it is dimensioned and titled.
    if (walls) Tool()->Operation(5);
    Tool()->AutoDimension(dc, U.ClientSize(), 0, 0, 0, 111);
    if (walls) {
        PlaceFloorTitle(S, U);
        AdvanceWizard(S, U, 11);
        ReportFloorArea(S, U, 2);
        AdvanceWizard(S, U, 12);
    }
    ReadoutMode = 1;
    ReturnToPickTool(S, U);
    S.WallDisplayMode = 0;
    U.Invalidate();
    U.SetPanel(2, walls ? " select" : " no selection");
}

} // namespace velmora
