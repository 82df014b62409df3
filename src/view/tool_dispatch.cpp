// Routing the drawing window's mouse events to the installed tool: the window's own Zoom Up rectangle, the
// centre picks of the base tool, the tool's slots, the read-out and the autoscroll that follows a press.
// Before every call the tool learns its window and the window's canvas carries the view mapping.
#include "view/drawing_window.h"

#include "app/program.h"
#include "tools/drawing_tool.h"
#include "tools/tool_install.h"

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
    const Size client = U.ClientSize();
    const int step = tool->Step;
    if (IsCentreLineStep(step)) {
        tool->CentreOfLine(*dc, client, px.X, px.Y);
        if (step == StepCentreLineSecond && tool->Step != StepCentreLineSecond)
            U.SetPanel(0, "GUIDE: Cursor centred");
        return;
    }
    if (IsCentreRectStep(step)) {
        tool->CentreOfRect(*dc, client, px.X, px.Y);
        if (step != StepCentreRectThird || tool->Step == StepCentreRectThird) return;
        if (tool->Mode == 4 || tool->Mode == 24) {
            if (tool->HitIndex == 1)
                U.SetPanel(
                    0, "GUIDE: click LEFT button on TEXT centre point - type in the input box that appears ");
            else if (tool->HitIndex == 2)
                U.SetPanel(0, "GUIDE: click LEFT button on TEXT starting point - then type away - press "
                              "Enter when finished ");
        } else {
            U.SetPanel(0, "GUIDE: Cursor centred");
        }
        return;
    }
    if (IsPickTool(tool->Mode) && step <= 29) return;
    tool->LeftDown(*dc, client, px.X, px.Y);
}

void TMDIChild::RightDown(Point px) {
    TDrawingtool* tool = Tool();
    Canvas* dc = U.WindowCanvas();
    if (!tool) return;
    tool->Window = this;
    const bool room = tool->Mode == 29000 || tool->Mode == 29001;
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
    if (IsPickTool(tool->Mode) && tool->Step == 0) {
        U.SetPanel(0, "GUIDE: Pick Tool");
        return;
    }
    Canvas* dc = U.WindowCanvas();
    if (!dc || tool->Step >= 1) return;
    ApplyMapping(*dc);
    tool->LeftUp(*dc, U.ClientSize(), px.X, px.Y);
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
