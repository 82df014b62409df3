#include "tools/line_commands.h"

#include "app/undo_store.h"
#include "dialogs/line_style_dialog.h"
#include "tools/line_tool.h"
#include "tools/tool_install.h"

#include <memory>
#include <string>

namespace velmora {

namespace {

// What every drafting command does before its tool exists: the drawing counts as changed and an undo
// snapshot is taken.
void BeginDrafting(AppState& s, Ui& ui, int lastCommand) {
    s.LastCommand = lastCommand;
    if (s.SaveState == 0) s.SaveState = 1;
    RecordUndo(s, ui);
}

int InstalledLineStyle(const AppState& s) {
    return s.CurrentTool ? s.CurrentTool->LineStyle : 0;
}

TLineobjtool& InstallLineTool(AppState& s, Ui& ui, int mode, int step) {
    auto tool = std::make_unique<TLineobjtool>(s, ui, mode);
    tool->Step = step;
    TLineobjtool& t = *tool;
    s.CurrentTool = std::move(tool);
    // A new tool's first Enter marks a start point.
    s.EnterPhase = 1;
    return t;
}

const char* ToolLabel(int mode) {
    switch (mode) {
    case 1:
        return "Line";
    case 3:
        return "Arc";
    case 4:
        return "Text";
    case 5:
        return "Ellipse";
    case 6:
        return "Circle";
    case 20:
    case 21:
        return "Pick tool";
    default:
        return "";
    }
}

} // namespace

const char* LineStyleLabel(int style) {
    switch (style) {
    case 1:
        return "LINE dash";
    case 2:
        return "LINE dot";
    case 3:
        return "LINE dotdash";
    default:
        return "LINE solid";
    }
}

void CmLineExecute(AppState& s, Ui& ui) {
    if (s.DrawingReady != 2) return;
    const int style = InstalledLineStyle(s);
    ui.SetPanel(
        0, "GUIDE: Use arrow keys to finetune line starting point, press ENTER, then arrow key direction, "
           "OR press Left Button & DRAG, click Right Btn to detool");
    ui.SetPanel(2, std::to_string(s.CurrentPenWidth) + "," + LineStyleLabel(style));
    BeginDrafting(s, ui, 240);
    TLineobjtool& t = InstallLineTool(s, ui, ModePlainLine, 0);
    t.LineStyle = style;
    t.PenWidth = s.CurrentPenWidth;
}

void CmLinestyleExecute(AppState& s, Ui& ui) {
    if (s.DrawingReady != 2) return;
    s.LastCommand = 242;
    DialogDescription d = TTLinedlg::Make();
    if (!RunAccepted(ui, d)) {
        ReturnToPickTool(s, ui);
        return;
    }
    s.CurrentPenWidth = TTLinedlg::PenWidth(d);
    if (s.CurrentTool) s.CurrentTool->LineStyle = TTLinedlg::Style(d);
    const int mode = s.CurrentTool ? s.CurrentTool->Mode : ModePick;
    ui.SetPanel(2, std::to_string(s.CurrentPenWidth) + "," + ToolLabel(mode));
}

void CmNewdimensionExecute(AppState& s, Ui& ui) {
    if (s.DrawingReady != 2) return;
    if (s.CurrentView < 100) {
        ui.Message("", "Manual dimensions are drawn on the plan views, not on the layout view");
        return;
    }
    ui.SetPanel(0,
                "GUIDE: Press ENTER on 1st & 2nd arrow points - NOTE the first mark will determine the arrow "
                "offset positions");
    ui.SetPanel(2, "New Dimension");
    BeginDrafting(s, ui, 280);
    InstallLineTool(s, ui, ModePlainLine, 20);
}

void StartConstructionLines(AppState& s, Ui& ui) {
    TLineobjtool& t = InstallLineTool(s, ui, ModeConstruction, 0);
    t.Dragging = 1;
    t.FeedbackState = 3;
    t.Marked = 0;
    ui.SetPanel(2, "External Wall");
    ui.SetPanel(0, "press Enter on each corner - CLOCKWISE, use ARROW KEYS to finetune position");
}

} // namespace velmora
