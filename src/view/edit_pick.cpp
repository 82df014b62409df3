// Picking the wall or line an edit command works on (Mode 99, the command's code in Step): the hit test of
// the line tool finds it, the tool of its kind is installed with the code, and the code's action runs.
// Kinds whose tools come later install what exists (the pick tool) and say so, as InstallTool does.
#include "view/drawing_window.h"

#include "app/undo_store.h"
#include "dialogs/feet_dialog.h"
#include "tools/drawing_tool.h"
#include "tools/line_tool.h"
#include "tools/tool_install.h"
#include "view/units.h"

#include <string>

namespace velmora {

namespace {

bool EndsWithPickTool(int code) {
    return (code >= 300 && code <= 699) || (code >= 800 && code <= 999);
}

} // namespace

void TMDIChild::EditPick(Canvas& dc, Point px) {
    auto* picker = dynamic_cast<TLinetool*>(Tool());
    const int code = picker ? picker->Step : 500;
    if (code < 200 || code > 999) {
        LeftDownToTool(dc, px); // no edit command waits: the tool's own press
        return;
    }
    if (code == 500) return; // a split is marked with Enter
    const Point p = WorldAtPixel(px);
    picker->HitTest(p.X, p.Y);
    if (!picker->HitFound) {
        if (code == 700)
            U.Message("", "No valid horizontal or vertical (on screen)line or wall object selected ",
                      MessageKind::Error);
        else
            U.Message("", "No valid object selected - restart function again");
        U.SetCursorPos(px);
        return;
    }
    RecordUndo(S, U);
    Point at = p;
    if (code == 200 || code == 300 || code == 400) at = {picker->X1, picker->Y1};
    if (code == 205) at = {picker->X2, picker->Y2};
    const int kind = picker->HitKind, index = picker->HitIndex;
    InstallTool(S, U, ToolEditsAvailable(kind) ? kind : ModePick);
    if (!ToolEditsAvailable(kind)) return;
    TDrawingtool* tool = Tool();
    tool->Window = this;
    tool->Step = code;
    if (kind == 100)
        tool->HitKind = index;
    else
        tool->HitIndex = index;
    RunEditCode(dc, px, at);
    if (EndsWithPickTool(code)) {
        Tool()->Step = 0;
        U.SetPanel(0, "GUIDE: Pick tool");
        U.SetPanel(2, "Pick tool");
    }
}

void TMDIChild::RunEditCode(Canvas& dc, Point px, Point at) {
    TDrawingtool* tool = Tool();
    const Size client = U.ClientSize();
    switch (tool->Step) {
    case 200:
    case 205:
        ContinueFromEnd(dc, at);
        return;
    case 300:
    case 400:
        AdjustByAmount(at);
        return;
    case 500:
        tool->Adjust(0, at.X, at.Y);
        tool->AutoDimension(dc, client, 0, 0, 0, 111);
        U.Invalidate();
        // The redimensioning leaves the tool in Mode 31; the edit is done.
        ReturnToPickTool(S, U);
        return;
    case 600:
        U.SetPanel(0, "GUIDE: select new wall type");
        tool->X2 = at.X, tool->Y2 = at.Y;
        InvalidateChange(ChangeAroundTool);
        ReturnToPickTool(S, U);
        return;
    case 700:
        tool->Marked = 1;
        U.SetPanel(0, "GUIDE: Select ARROW key direction to MOVE wall / line");
        return;
    case 900:
        tool->Adjust(0, 0, 0);
        InvalidateChange(ChangeAroundTool);
        ReturnToPickTool(S, U);
        U.SetPanel(0, "GUIDE: Pick Tool");
        U.SetCursorPos(px);
        return;
    default:
        return;
    }
}

// 200 goes on drawing from the picked end; 205 closes the run from the press onto it.
void TMDIChild::ContinueFromEnd(Canvas& dc, Point at) {
    TDrawingtool* tool = Tool();
    const int kind = tool->Mode;
    if (tool->Step == 200 && kind == ModeInWall) {
        U.Message("", "this function only works on EXTERNAL walls", MessageKind::Error);
        return;
    }
    tool->X1 = at.X, tool->Y1 = at.Y;
    if (tool->Step == 205) {
        tool->X1 = PressX, tool->Y1 = PressY;
        tool->X2 = at.X, tool->Y2 = at.Y;
        tool->Commit(dc, U.ClientSize());
        InvalidateChange(ChangeAroundTool);
        tool->Step = 0;
    }
    if (kind == ModeExtWall) {
        U.SetPanel(
            0, "GUIDE: to draw wall, press ARROW for new wall direction, ANGLE WALLS press 'A' key - use ADD "
               "key to complete base");
        U.SetPanel(2, "External Wall tool");
    } else if (kind == ModeInWall) {
        U.SetPanel(0, "GUIDE: to draw wall, press ARROW key for new wall direction");
        U.SetPanel(2, "Internal Wall tool");
    }
    RefX = at.X, RefY = at.Y;
    U.SetCursorPos(WorldToPixel(at));
    tool->Marked = 1;
    S.EnterPhase = 2;
    if (tool->Step != 0) {
        tool->Step = 180;
        PressX = at.X, PressY = at.Y;
    }
}

// 300 shortens, 400 lengthens the picked object by an amount asked for.
void TMDIChild::AdjustByAmount(Point at) {
    TDrawingtool* tool = Tool();
    tool->X1 = at.X, tool->Y1 = at.Y;
    U.SetPanel(0, tool->Step == 300 ? "GUIDE: input amount to shorten" : "GUIDE: input amount to lengthen");
    int amount = 0;
    if (S.MetricFlag == 1) {
        const auto typed = U.InputBox("", "", "0");
        const int value = typed ? ReadNumberOrZero(*typed) : 0;
        if (typed && value == 0) {
            U.Message("", "input must be a valid number", MessageKind::Error);
            return;
        }
        if (!typed || value < 1 || value > 69999) {
            ReturnToPickTool(S, U);
            return;
        }
        amount = value;
    } else {
        const auto world = AskFeetDistance(U, 0);
        if (!world) {
            ReturnToPickTool(S, U);
            return;
        }
        amount = *world;
    }
    tool->Adjust(amount, at.X, at.Y);
    InvalidateChange(ChangeAroundTool);
}

Point TMDIChild::WorldToPixel(Point world) const {
    const Size c = U.ClientSize();
    const int u = S.UnitsPerLogical;
    return LogicalToPixel(ViewMappingFor(Frame(), c.Width, c.Height), WorldToLogical(world.X, u),
                          WorldToLogical(world.Y, u));
}

} // namespace velmora
