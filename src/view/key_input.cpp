// The drawing window's keyboard: the window's own keys (Insert, Escape), the temporary datum, and the keys
// of the unmarked state, where arrows nudge the cursor one pixel and Enter marks a point. The marked state,
// where arrows draw segments, is in key_segments.cpp.
#include "view/drawing_window.h"

#include "app/drawing_store.h"
#include "app/undo_store.h"
#include "app/wizard_sequence.h"
#include "tools/chain_ends.h"
#include "tools/drawing_tool.h"
#include "tools/line_tool.h"
#include "tools/tool_install.h"
#include "view/key_codes.h"
#include "view/length_question.h"
#include "view/units.h"

#include <cstdlib>

namespace velmora {

namespace {

bool IsPickMode(int mode) {
    return mode == 20 || mode == ModePick;
}

// Tools whose own guide stays on the status bar while their keys are handled.
bool KeepsGuide(int mode) {
    switch (mode) {
    case 1:
    case 7:
    case 8:
    case 14:
    case 100:
    case 150:
    case 200:
    case 6720:
        return true;
    default:
        return false;
    }
}

} // namespace

void TMDIChild::OnKeyDown(const KeyEvent& key) {
    TDrawingtool* tool = Tool();
    if (!tool) return;
    if (EndsWizard(key)) return;
    ConcludeWizard(S, U);
    tool->Window = this;
    if (WindowKey(key)) return;
    const int mode = tool->Mode;
    if (mode == 20 && ReadoutMode < 2) return;
    if (!KeepsGuide(mode) && S.CurrentView != ViewLayoutMarking)
        U.SetPanel(0, "GUIDE: press F1 for context help");
    const Point cursor = U.CursorPos();
    if (ReadoutMode == 6 && key.Code == Key::Enter) {
        const Point w = WorldAtPixel(cursor);
        RefX = w.X, RefY = w.Y;
        ReadoutMode = 5;
        return;
    }
    if (key.Code == Key::Enter && (IsPickMode(mode) || S.CurrentView == ViewLayout)) return;
    if (mode == 20) return;
    Canvas* dc = U.WindowCanvas();
    if (!dc) return;
    ApplyMapping(*dc);
    // Commands wait while a key is being handled (DrawingReady 3), so a question shown on the way cannot
    // start another command underneath it.
    const int ready = S.DrawingReady;
    if (ready == 2) S.DrawingReady = 3;
    if (tool->Marked == 0)
        UnmarkedKey(*dc, key, cursor);
    else
        MarkedKey(*dc, key, cursor);
    if (ready == 2 && S.DrawingReady == 3) S.DrawingReady = 2;
}

// Escape leaves a guided sequence once it has begun (at its first step it is the usual Escape), with the
// pick tool that Escape always leaves.
bool TMDIChild::EndsWizard(const KeyEvent& key) {
    if (key.Code != Key::Escape || !WizardRunning(S) || S.WizardStep == 0 || S.WizardStep == 100) return false;
    if (Tool()->Mode == ModeInWall) Tool()->Operation(5);
    ReturnToPickTool(S, U);
    EndWizard(S, U);
    U.Invalidate();
    return true;
}

bool TMDIChild::WindowKey(const KeyEvent& key) {
    if (key.Code == Key::Insert) {
        S.LayoutGridOn = S.LayoutGridOn == 1 ? 0 : 1;
        U.Invalidate();
        return true;
    }
    if (key.Code != Key::Escape) return false;
    if (Tool()->Mode == ModeInWall) Tool()->Operation(5);
    ReturnToPickTool(S, U);
    U.SetPanel(0, "GUIDE: Select function or tool");
    U.SetPanel(2, "Pick tool");
    U.Invalidate();
    return true;
}

void TMDIChild::NudgeCursor(Key arrow) {
    Point p = U.CursorPos();
    if (arrow == Key::Left) --p.X;
    if (arrow == Key::Right) ++p.X;
    if (arrow == Key::Up) --p.Y;
    if (arrow == Key::Down) ++p.Y;
    U.SetCursorPos(p);
    if (ReadoutMode >= 2) ShowReadout(p.X, p.Y);
}

void TMDIChild::UnmarkedKey(Canvas& dc, const KeyEvent& key, Point cursor) {
    TDrawingtool* tool = Tool();
    if (IsArrow(key.Code)) {
        if (tool->Mode == ModeMove && tool->Step == 3) {
            NudgeCursor(key.Code);
            Point p = U.CursorPos();
            tool->KeyStep(dc, U.ClientSize(), key, p, 0);
            InvalidateChange(ChangeAroundTool);
        } else if (tool->Mode == ModeExpandBase) {
            ChooseBaseDirection(key.Code);
        } else {
            NudgeCursor(key.Code);
        }
        return;
    }
    if (key.Code == Key::Enter) UnmarkedEnter(dc, cursor);
}

void TMDIChild::ChooseBaseDirection(Key arrow) {
    TDrawingtool* tool = Tool();
    tool->HitKind = ArrowDirectionCode(arrow);
    tool->Marked = 1;
    tool->Dragging = 1;
    tool->FeedbackState = (arrow == Key::Left || arrow == Key::Right) ? 1 : 2;
    if (tool->Step == 8)
        U.SetPanel(0, "GUIDE: move cursor,press ENTER when line is at position to expand from");
    if (tool->Step == 9)
        U.SetPanel(0, "GUIDE: move cursor,press ENTER when line is at position to shrink from");
}

void TMDIChild::UnmarkedEnter(Canvas& dc, Point cursor) {
    TDrawingtool* tool = Tool();
    const Size client = U.ClientSize();
    const int mode = tool->Mode, step = tool->Step;
    if (mode == ModeExpandBase) return;
    if ((mode == ModePlainLine && (step == 20 || step == 21)) || step == 21) {
        tool->Marked = 0;
        tool->AutoDimension(dc, client, cursor.X, cursor.Y, 0, 0);
        if (Tool()->Step == 22) {
            InvalidateChange(ChangeAroundTool);
            ReturnToPickTool(S, U);
        }
        return;
    }
    if (mode == ModeOpening) {
        // Each Enter places one opening; the tool stays unmarked for the next.
        Point p = cursor;
        tool->KeyStep(dc, client, KeyEvent{Key::Enter}, p, 0);
        InvalidateChange(ChangeBoxOnly);
        return;
    }
    if (mode == ModeSelectForEdit && step == 500) {
        SplitAtCursor(dc, cursor);
        return;
    }
    int amount = 0;
    if (mode == ModeArc && tool->X1 != 0 && !ArcEndInLine(cursor, amount)) return;
    if (mode == ModeCircle || mode == ModeRoundRect) {
        if (const auto r = AskRadius(U, S.MetricFlag, mode == ModeRoundRect))
            tool->SuggestedLength = *r;
        else
            return;
        if (mode == ModeRoundRect) U.SetPanel(0, "GUIDE: Now use arrow direction keys for input");
    }
    // The guided sequences start their first wall in the top left corner, and the marking of the layout on
    // the top left corner of the first room, wherever the cursor stands.
    const bool wizardStart = S.WizardMode == 1 && ((mode == ModeExtWall && S.WizardStep == 5) ||
                                                   (mode == ModeConstruction && S.WizardStep == 113));
    const int wizardStep = wizardStart ? S.WizardStep : -1;
    if (wizardStep == 5) cursor = S.MetricFlag == 1 ? Point{25, 25} : Point{24, 24};
    if (wizardStep == 113) cursor = Point{75, 75};
    Point p = cursor;
    const bool firstOfRun = (mode == ModeConstruction || mode == ModeExtWall) &&
                            CountOfKind(S.DrawingObjects, S.CurrentView, mode) == 0;
    tool->KeyStep(dc, client, KeyEvent{Key::Enter}, p, amount);
    tool = Tool();
    if (wizardStart) AdvanceWizard(S, U, wizardStep);
    if (mode == ModePlainLine && step == 42) { // the multiline's last line is marked
        ReturnToPickTool(S, U);
        return;
    }
    tool->Marked = 1;
    // Each arc and each circle by Enter starts afresh: the next Enter asks its height or radius again.
    if (mode == ModeArc || mode == ModeCircle || mode == 18) tool->Marked = 0;
    if (firstOfRun || mode == ModeInWall || (mode == ModePlainLine && step == 41)) {
        // The read-out measures from the point just marked.
        RefX = tool->X1, RefY = tool->Y1;
        ReadoutMode = 4;
    }
    if (firstOfRun) PressX = tool->X1, PressY = tool->Y1;
    if (mode == ModeInWall) {
        PressX = tool->X1, PressY = tool->Y1;
        tool->Dragging = 1;
        U.SetPanel(0,
                   "GUIDE: Press arrow in wall direction OR press the 'A' key and move cursor to draw angled "
                   "wall - finetune with arrow keys");
    }
    if (mode == 64) ReturnToPickTool(S, U);
    if (mode == 57) U.Invalidate();
}

// The second end of an arc must lie level or plumb with the first (snapped when within 75 world units);
// then its height is asked.
bool TMDIChild::ArcEndInLine(Point& cursor, int& height) {
    const TDrawingtool* tool = Tool();
    Point w = WorldAtPixel(cursor);
    if (std::abs(w.X - tool->X1) <= 75) w.X = tool->X1;
    if (std::abs(w.Y - tool->Y1) <= 75) w.Y = tool->Y1;
    if (w.X != tool->X1 && w.Y != tool->Y1) {
        U.Message("", "Endpoint not horizontal or vertical - no arc drawn\nre select tool and retry",
                  MessageKind::Error);
        U.SetCursorPos(cursor);
        return false;
    }
    const auto h = AskArcHeight(U, S.MetricFlag);
    if (!h) return false;
    height = *h;
    cursor = WorldToPixel(w);
    return true;
}

// Enter while splitting: the wall or line under the cursor is split by the tool of its kind.
void TMDIChild::SplitAtCursor(Canvas& dc, Point cursor) {
    RecordUndo(S, U);
    const Point w = WorldAtPixel(cursor);
    const int u = S.UnitsPerLogical;
    const int index =
        S.DrawingObjects.WallAt(S.CurrentView, u, WorldToLogical(w.X, u), WorldToLogical(w.Y, u));
    if (index == NothingHit) {
        U.Message("", "No valid object selected - please re select and retry", MessageKind::Error);
        U.SetCursorPos(cursor);
        return;
    }
    const int kind = S.DrawingObjects.At(index)->Kind;
    if ((kind != 11 && kind != 100) || !ToolEditsAvailable(kind)) {
        InstallTool(S, U, ToolEditsAvailable(kind) ? kind : ModePick);
        return;
    }
    InstallTool(S, U, kind);
    TDrawingtool* tool = Tool();
    tool->Window = this;
    tool->HitKind = index;
    tool->Step = 500;
    tool->Adjust(0, w.X, w.Y);
    tool->AutoDimension(dc, U.ClientSize(), 0, 0, 0, 111);
    U.Invalidate();
    // The redimensioning leaves the wall tool in Mode 31; the split is done, so the pick tool follows.
    ReturnToPickTool(S, U);
    U.SetPanel(0, "GUIDE: Pick Tool");
}

} // namespace velmora
