#include "building/internal_wall_command.h"

#include "app/drawing_store.h"
#include "building/internal_wall_tool.h"
#include "dialogs/double_line_dialog.h"
#include "tools/tool_install.h"

namespace velmora {

namespace {

bool IsFloorPlan(int view) {
    return view >= 120 && view <= 125;
}

} // namespace

void CmIntwallExecute(AppState& s, Ui& ui, const std::function<void()>& toGroundFloor) {
    if (s.DrawingReady != 2) return;
    s.LastCommand = 253;
    if (s.CurrentView == 190) {
        ReturnToPickTool(s, ui);
        SaveDrawing(s, ModeWorking);
    }
    if (!IsFloorPlan(s.CurrentView) && toGroundFloor) toGroundFloor();
    if (!IsFloorPlan(s.CurrentView)) return;
    InstallTool(s, ui, ModeInWall);
    ui.SetPanel(0, "GUIDE: select the spacing to and relative position of second line");
    const auto choice = AskDoubleLine(ui, s.HomePath, s.MetricFlag);
    auto* tool = dynamic_cast<TInwallobjtool*>(s.CurrentTool.get());
    if (!choice || !tool) {
        ReturnToPickTool(s, ui);
        return;
    }
    tool->HitKind = choice->Side;
    tool->SecondSide = choice->Side;
    tool->FirstArrowChecked = 0;
    tool->PenColour = s.CurrentColour;
    tool->Marked = 0;
    // The first Enter always marks a start, whatever the last tool left in the keyboard state.
    tool->GuideY = 30000;
    s.EnterPhase = 1;
    ui.SetPanel(2, "Internal Wall");
    ui.SetPanel(
        0, "GUIDE: Press Enter on start point, then use arrow keys or cursor. Use ESCape key to add stop "
           "end. Press F1 key for ALL methods");
}

} // namespace velmora
