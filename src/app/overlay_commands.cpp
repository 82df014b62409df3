// Display mode and overlays: how the walls of the plan views are drawn, and which floors are drawn faintly
// under the working floor.
#include "app/drawing_store.h"
#include "app/keep_changes.h"
#include "app/overlays.h"
#include "app/program.h"
#include "app/view_commands.h"
#include "app/view_window.h"
#include "dialogs/display_mode_dialog.h"
#include "dialogs/overlay_dialog.h"
#include "tools/tool_install.h"

namespace velmora {

namespace {

constexpr int ViewCommandArea = 210;

bool Accepted(const std::string& button) {
    return button == "O K";
}

} // namespace

void CmDmodeplanExecute(Program& p) {
    AppState& s = p.State();
    Ui& ui = p.GetUi();
    if (s.DrawingReady != 2) return;
    s.LastCommand = ViewCommandArea;
    if (s.CurrentView < 119 || s.CurrentView > 189) {
        ui.Message("", "Only available on plan views");
        return;
    }
    DialogDescription d = TTDisplandlg::Make(s.WallDisplayMode);
    if (!Accepted(ui.RunDialog(d))) {
        ReturnToPickTool(s, ui);
        return;
    }
    s.WallDisplayMode = TTDisplandlg::Result(d);
    ui.Invalidate();
}

void CmOverlaysExecute(Program& p) {
    AppState& s = p.State();
    Ui& ui = p.GetUi();
    if (s.DrawingReady != 2) return;
    s.LastCommand = ViewCommandArea;
    if (s.DrawingObjects.ObjectCount() == 0) return;
    if (!WriteDrawing(s, ui, ModeWorking)) return;
    if (s.CurrentView < 120 || s.CurrentView > 189) {
        ui.Message(
            "", "You can only use overlays on PLAN views (ground, first, second, third floors & basement)");
        return;
    }
    const int baseMode = MapBackFromOverlays(s.WallDisplayMode);
    const OverlayFlags stored = ReadOverlayFile(s.HomePath);
    DialogDescription d = TTOverdlg::Make(stored, ShowsDimensions(s.WallDisplayMode));
    if (!Accepted(ui.RunDialog(d))) {
        ReturnToPickTool(s, ui);
        return;
    }
    // The overlay variant keeps the wall style the user chose in the display mode.
    const int style = baseMode / 10 * 10;
    s.WallDisplayMode = style + (TTOverdlg::Dimensions(d) ? 2 : 3);
    OverlayFlags chosen = TTOverdlg::Floors(d, stored);
    SettleOverlayChoice(chosen);
    const int working =
        ChooseWorkingFloor(chosen, [&s](int view) { return s.DrawingObjects.HasContent(view); });
    std::string error;
    if (!WriteOverlayFile(s.HomePath, chosen, error)) ui.Message("", error, MessageKind::Error);
    s.CurrentView = working;
    OpenViewWindow(p, WindowPick, CaptionSuffix(working));
    if (OnlyWorkingFloorChosen(chosen, working)) s.WallDisplayMode = baseMode;
}

} // namespace velmora
