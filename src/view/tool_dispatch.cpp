// Routing the drawing window's mouse events to the installed tool: the window's own Zoom Up rectangle, the
// centre picks of the base tool, the pick of an x or a y, the switch to a clicked design room, the tool's
// slots, the read-out and the autoscroll that follows a press. The edit pick of Mode 99 is edit_pick.cpp.
// Before every call the tool learns its window and the window's canvas carries the view mapping.
#include "view/drawing_window.h"

#include "app/drawing_store.h"
#include "app/program.h"
#include "app/undo_store.h"
#include "dialogs/text_dialogs.h"
#include "tools/drawing_tool.h"
#include "tools/line_label.h"
#include "tools/line_tool.h"
#include "tools/tool_install.h"
#include "view/units.h"

namespace velmora {

namespace {

bool IsPickTool(int mode) {
    return mode == 20 || mode == ModePick;
}

bool IsCentreLineStep(int step) {
    return step == StepCentreLineFirst || step == StepCentreLineSecond;
}

bool IsCentreRectStep(int step) {
    return step >= StepCentreRectFirst && step <= StepCentreRectThird;
}

bool IsRoomMode(int mode) {
    return mode == 29000 || mode == 29001;
}

// The room tool's steps that hear a left press: the plain tool and the commands that pick a room.
bool RoomStepTakesPress(int step) {
    return step < 5 || step == 20 || step == 21 || step == 30 || step == 40 || step == 50 || step == 1000 ||
           step == 29001;
}

} // namespace

void TMDIChild::OnMouseDown(MouseButton button, Point px) {
    LastMouse = px;
    if (button == MouseButton::Left) {
        LeftHeld = true;
        LeftDown(px);
        MaybeAutoscroll();
    } else if (button == MouseButton::Right) {
        RightDown(px);
    }
}

void TMDIChild::LeftDown(Point px) {
    TDrawingtool* tool = Tool();
    Canvas* dc = U.WindowCanvas();
    if (!tool) return;
    if (tool->AuxStep == AuxZoomUpWaiting) {
        ZoomUpPress(px);
        return;
    }
    tool->Window = this;
    OrgAtPress = {S.ViewOrgX, S.ViewOrgY};
    if (!dc) return;
    ApplyMapping(*dc);
    const int step = tool->Step;
    const bool centrePick = IsCentreLineStep(step) || IsCentreRectStep(step);
    // Windows and doors are placed by keyboard: their tool hears the left button only in a centre pick.
    if ((tool->Mode == 200 && !centrePick) || S.CurrentView == ViewLayoutMarking) return;
    if (step == 10000 || step == 10001) {
        const Point p = WorldAtPixel(px);
        if (step == 10000) tool->X1 = p.X;
        if (step == 10001) tool->Y1 = p.Y;
        tool->Step = 0;
        return;
    }
    // The room tool's steps come first: its rotate step shares its number with the centre-of-line pick.
    if (IsRoomMode(tool->Mode)) {
        RoomPress(*dc, px);
        return;
    }
    if (SwitchToDesignRoom(*dc, px)) return;
    if (centrePick) {
        CentrePick(*dc, px);
        return;
    }
    if (tool->Mode == ModeSelectForEdit) {
        EditPick(*dc, px);
        return;
    }
    LeftDownToTool(*dc, px);
}

void TMDIChild::RoomPress(Canvas& dc, Point px) {
    TDrawingtool* tool = Tool();
    if (tool->Marked > 0) tool->Marked = 0;
    // A move picked earlier and never given its arrow is given up by the next press, before this press
    // picks again (so the press that picks keeps its step 55 or 65 for the arrow that follows).
    if (tool->Step == 55 || tool->Step == 65) tool->Step = 0;
    const int step = tool->Step;
    if (!RoomStepTakesPress(step)) return;
    tool->HitFound = false;
    tool->LeftDown(dc, U.ClientSize(), px.X, px.Y);
    if (step != 1000 && !tool->HitFound) {
        U.Message("", "no room selected - re select and retry", MessageKind::Error);
        return;
    }
    if (tool->Step >= 10001 && tool->Step <= 10004) {
        static constexpr const char* refusals[] = {
            "the click was probably outside the external walls", "one of the measuring walls was angled",
            "the click was inside a room or on a wall - click in the free area to measure",
            "there is no wall or room on every side of the click - click between rooms or walls"};
        U.Message("", refusals[tool->Step - 10001]);
        tool->Step = 0;
        return;
    }
    if (step == 30 || step == 40) {
        SaveDrawing(S, ModeWorking);
        tool->Step = 0;
        S.SaveState = 1;
        if (S.CurrentView >= 120 && S.CurrentView <= 124)
            InvalidateChange(ChangeBoxOnly);
        else
            U.Invalidate();
    }
}

// A click on a design room with any other tool switches to the room tool of that room.
bool TMDIChild::SwitchToDesignRoom(Canvas& dc, Point px) {
    const TDrawingtool* tool = Tool();
    if (tool->Mode == 29000 || tool->Mode == 29001) return false;
    const Point w = WorldAtPixel(px);
    const int u = S.UnitsPerLogical;
    const int kind =
        S.DrawingObjects.DesignRoomAt(S.CurrentView, u, WorldToLogical(w.X, u), WorldToLogical(w.Y, u));
    if ((kind != 29000 && kind != 29001) || !ToolKindAvailable(kind)) return false;
    InstallTool(S, U, kind);
    Tool()->Window = this;
    Tool()->LeftDown(dc, U.ClientSize(), px.X, px.Y);
    S.SaveState = 1;
    return true;
}

void TMDIChild::CentrePick(Canvas& dc, Point px) {
    TDrawingtool* tool = Tool();
    const int step = tool->Step;
    if (IsCentreLineStep(step)) {
        tool->CentreOfLine(dc, U.ClientSize(), px.X, px.Y);
        if (step == StepCentreLineSecond && tool->Step != StepCentreLineSecond)
            U.SetPanel(0, "GUIDE: Cursor centred");
        return;
    }
    tool->CentreOfRect(dc, U.ClientSize(), px.X, px.Y);
    if (step != StepCentreRectThird || tool->Step == StepCentreRectThird) return;
    if (tool->Mode == 4 || tool->Mode == 24) {
        if (tool->HitIndex == 1)
            U.SetPanel(0,
                       "GUIDE: click LEFT button on TEXT centre point - type in the input box that appears ");
        else if (tool->HitIndex == 2)
            U.SetPanel(0, "GUIDE: click LEFT button on TEXT starting point - then type away - press "
                          "Enter when finished ");
    } else {
        U.SetPanel(0, "GUIDE: Cursor centred");
    }
}

// The tools that hear nothing more of a press than the window's own handling.
bool TMDIChild::PressIgnored() const {
    const TDrawingtool* t = Tool();
    const int mode = t->Mode, step = t->Step;
    const bool framed = mode == 20 || mode == 21 || mode == 41 || mode == 60 || mode == 62 || mode == 64;
    if (framed && step <= 29) return true;
    if (mode == 57 || (step >= 39 && step <= 42) || (mode == 19 && step == 9) || step == 20 || step == 21)
        return true;
    return mode == 98 || mode == ModeExpandBase || mode == ModeConstruction || mode == 4 ||
           (mode == 24 && TextEntryOpen == 1);
}

void TMDIChild::LeftDownToTool(Canvas& dc, Point px) {
    TDrawingtool* tool = Tool();
    if (tool->Mode == 4) {
        CentredTextPress(dc, px);
        return;
    }
    if (tool->Mode == 24 && TextEntryOpen == 0 && tool->Marked == 0) {
        // The first press is the start of the first line: the tool takes it, and the guide stays.
        U.SetPanel(0, "GUIDE: maximum of 70 letters/numbers/spaces per line");
        tool->Marked = 1;
        tool->LeftDown(dc, U.ClientSize(), px.X, px.Y);
        return;
    }
    if (tool->Mode == 2) {
        ReadoutMode = 4;
        return;
    }
    if (PressIgnored()) return;
    if (tool->Mode == ModePlainLine) {
        const Point p = WorldAtPixel(px);
        RefX = p.X, RefY = p.Y;
    }
    tool->LeftDown(dc, U.ClientSize(), px.X, px.Y);
    if (tool->Step == 1) U.SetPanel(0, "GUIDE: Selected");
}

void TMDIChild::CentredTextPress(Canvas& dc, Point px) {
    SaveDrawing(S, ModeWorking);
    U.SetPanel(0, "GUIDE: maximum of 70 letters/numbers/spaces");
    DialogDescription d = Ttextcentredlg::Make();
    if (!RunAccepted(U, d)) {
        InstallTool(S, U, ModePick);
        return;
    }
    TDrawingtool* tool = Tool();
    tool->MadeIndex = -1;
    tool->PlaceText(dc, U.ClientSize(), px.X, px.Y, Ttextcentredlg::Text(d));
    SaveDrawing(S, ModeWorking);
    U.SetPanel(0,
               "GUIDE: you can continue using the same text function by clicking LEFT button on TEXT point");
}

void TMDIChild::RightDown(Point px) {
    TDrawingtool* tool = Tool();
    Canvas* dc = U.WindowCanvas();
    if (!tool) return;
    tool->Window = this;
    const bool room = IsRoomMode(tool->Mode);
    if (room && (tool->Step == 55 || tool->Step == 65 || tool->Step == 10001)) tool->Step = 0;
    if (room) tool->HitFound = false;
    if ((room && (tool->Step == 0 || tool->Step == 50)) || tool->Mode == ModeMove) {
        if (!dc) return;
        ApplyMapping(*dc);
        tool->RightDown(*dc, U.ClientSize(), px.X, px.Y);
        return;
    }
    if (tool->Mode == ModePlainLine && tool->Step == 0) ReturnToPickTool(S, U);
}

void TMDIChild::OnMouseMove(Point px, bool leftHeld) {
    LastMouse = px;
    LeftHeld = leftHeld;
    if (ReadoutMode < 1) return;
    TDrawingtool* tool = Tool();
    if (tool) {
        tool->Window = this;
        if (tool->AuxStep == AuxZoomUpDragging) {
            ZoomUpDrag(px);
        } else if (!((tool->Mode == 200 || tool->Mode == 57) && tool->Dragging != 1)) {
            if (Canvas* dc = U.WindowCanvas()) {
                ApplyMapping(*dc);
                tool->MouseMove(*dc, U.ClientSize(), px.X, px.Y);
            }
        }
    }
    if (ReadoutMode >= 2) ShowReadout(px.X, px.Y);
    MaybeAutoscroll();
}

void TMDIChild::OnMouseUp(MouseButton button, Point px) {
    LastMouse = px;
    if (button == MouseButton::Left) {
        LeftHeld = false;
        LeftUp(px);
        return;
    }
    TDrawingtool* tool = Tool();
    Canvas* dc = U.WindowCanvas();
    if (button != MouseButton::Right || !tool || !dc) return;
    if (tool->Step != 5 && tool->Step != 6) return;
    tool->Window = this;
    ApplyMapping(*dc);
    tool->RightUp(*dc, U.ClientSize(), px.X, px.Y);
    if (IsRoomMode(tool->Mode)) AfterRoomDrop();
}

void TMDIChild::AfterRoomDrop() {
    S.SaveState = 1;
    if (S.CurrentView >= 120 && S.CurrentView <= 124)
        InvalidateChange(ChangeBoxOnly);
    else
        U.Invalidate();
}

void TMDIChild::LeftUp(Point px) {
    TDrawingtool* tool = Tool();
    if (!tool) return;
    tool->Window = this;
    if (tool->AuxStep == AuxZoomUpDragging) {
        ZoomUpRelease(px);
        return;
    }
    if (S.CurrentView < 49 && (OrgAtPress.X != S.ViewOrgX || OrgAtPress.Y != S.ViewOrgY)) {
        U.Invalidate();
        tool->Scrolled = 1;
    }
    const int mode = tool->Mode, step = tool->Step;
    if (IsRoomMode(mode) && (step == 5 || step == 6 || step == 1000)) {
        if (Canvas* dc = U.WindowCanvas()) {
            ApplyMapping(*dc);
            tool->LeftUp(*dc, U.ClientSize(), px.X, px.Y);
            if (step != 1000) AfterRoomDrop();
        }
        return;
    }
    if (mode == 25) {
        ChangeTextAt(px);
        return;
    }
    // Walls, openings and the marks of construction lines are placed by keyboard: a release adds nothing.
    if (mode > 26 || mode == ModeConstruction) return;
    if (IsPickTool(mode)) {
        if (step == 0) U.SetPanel(0, "GUIDE: Pick Tool");
        return; // the steps below are other tools' (a pick tool only resumes a step after a centre pick)
    }
    if ((step >= 39 && step <= 42) || mode == 4 || mode == 24) return;
    Canvas* dc = U.WindowCanvas();
    if (!dc) return;
    ApplyMapping(*dc);
    ReleaseToTool(*dc, px);
}

void TMDIChild::ReleaseToTool(Canvas& dc, Point px) {
    TDrawingtool* tool = Tool();
    const Size client = U.ClientSize();
    const int step = tool->Step;
    auto* line = dynamic_cast<TLinetool*>(tool);
    // A drag that will store a line takes its undo snapshot first; a click that makes nothing takes none.
    const bool stores = line && line->Dragging == 1 && DragStoresLine(*line, px);
    if (step < 1 || step == 50 || step == 51) {
        if (stores) RecordUndo(S, U);
        tool->LeftUp(dc, client, px.X, px.Y);
        // Line + text: a drag too short to be a line does nothing more.
        if ((step == 50 || step == 51) && line && line->LineDrawn && line->MadeIndex >= 0)
            LabelLineJustMade(S, U, dc);
        return;
    }
    switch (step) {
    case 5:
    case 15:
    case 17:
    case 505:
    case 555:
        tool->LeftUp(dc, client, px.X, px.Y);
        InvalidateChange(ChangeAroundTool);
        return;
    case 7:
        U.Invalidate();
        InstallTool(S, U, tool->Mode);
        return;
    case 11:
    case 12:
        InstallTool(S, U, ResumeToolKind);
        return;
    default:
        return;
    }
}

bool TMDIChild::DragStoresLine(const TLinetool& line, Point px) const {
    const Point p = WorldAtPixel(px);
    if (line.X1 < 10 || line.Y1 < 10 || p.X < 10 || p.Y < 10) return false;
    return p.X != line.X1 || p.Y != line.Y1;
}

void TMDIChild::CentreOfLineCommand() {
    TDrawingtool* tool = Tool();
    if (S.DrawingReady != 2 || !tool) return;
    S.LastCommand = 350;
    if (tool->Step == StepMultiline) {
        U.Message("", "Centre is not available to this function");
        return;
    }
    tool->AuxStep = tool->Step;
    tool->Step = StepCentreLineFirst;
    U.SetPanel(0, "CENTRE - mark both endpoints with LEFT Button - cursor will move to centre");
}

void TMDIChild::CentreOfRectCommand() {
    TDrawingtool* tool = Tool();
    if (S.DrawingReady != 2 || !tool) return;
    S.LastCommand = 350;
    tool->AuxStep = tool->Step;
    tool->Step = StepCentreRectFirst;
    U.SetPanel(0, "CENTRE CENTRE - click any three corners in a CLOCKWISE direction with LEFT Button");
}

} // namespace velmora
