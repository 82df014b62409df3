#include "app/view_window.h"

#include "app/drawing_store.h"
#include "app/keep_changes.h"
#include "app/program.h"
#include "app/settings_files.h"
#include "app/view_centring.h"
#include "tools/drawing_tool.h"
#include "tools/tool_install.h"
#include "view/drawing_window.h"

namespace velmora {

bool LeaveView(Program& p) {
    AppState& s = p.State();
    if (s.CurrentView == ViewSite) {
        InstallTool(s, p.GetUi(), ModePick);
        RecentreView(s, CentreSite);
    }
    // A list without its floor records is no drawing: writing it would put an empty drawing over the file.
    if (s.DrawingObjects.ObjectCount() < FloorRecordCount) return true;
    return WriteDrawing(s, p.GetUi(), ModeWorking);
}

void OpenViewWindow(Program& p, int kind, const std::string& suffix) {
    AppState& s = p.State();
    Ui& ui = p.GetUi();
    p.CloseDrawingWindow();
    const auto style = ReadSettingsInts(s.HomePath, "ZOOMSTYLE.CFG", 1);
    if (kind == WindowAfterSite || !style || (*style)[0] != 1) {
        s.ZoomState = ZoomNormal;
    } else if (s.ZoomState == ZoomUpStarted) {
        s.ZoomState = ZoomNormal;
    }
    if (kind == WindowPick || kind == WindowAfterSite) InstallTool(s, ui, ModePick);
    s.WindowTitle = s.DrawingName + suffix;
    // The new window reads the drawing from its working file as it opens.
    s.DrawingReady = 1;
    p.OpenDrawingWindow();
    ui.SetPanel(0, "GUIDE: press F1 for HELP");
    s.DrawingReady = 2;
    if (TMDIChild* window = p.Window()) window->SetupView(1);
}

} // namespace velmora
