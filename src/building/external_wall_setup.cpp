#include "building/external_wall_setup.h"

#include "app/drawing_store.h"
#include "app/keep_changes.h"
#include "app/settings_files.h"
#include "app/wizard_sequence.h"
#include "building/external_wall_tool.h"
#include "building/wall_types.h"
#include "dialogs/ext_wall_dialogs.h"
#include "model/drawing_objects.h"
#include "tools/tool_install.h"

namespace velmora {

namespace {

int LastWallCode(const AppState& s) {
    const auto v = ReadSettingsInts(s.HomePath, "LASTEXTWL.CFG", 1);
    return v ? (*v)[0] : 275;
}

// The custom sizes, asked in the measuring system's own dialog; nothing when cancelled.
std::optional<WallType> AskCustomWall(AppState& s, Ui& ui) {
    const bool metric = s.MetricFlag == 1;
    const char* file = metric ? "CUST.CFG" : "CUSTIMP.CFG";
    const auto last = ReadSettingsInts(s.HomePath, file, 3);
    const std::vector<std::int32_t> start = last ? *last : std::vector<std::int32_t>{275, 55, 110};
    DialogDescription d = metric ? TTTCustwalldlg::Make(start[0], start[1], start[2])
                                 : TTCustwallimpdlg::Make(start[0], start[1], start[2]);
    if (!RunAccepted(ui, d)) return std::nullopt;
    const auto v = metric ? TTTCustwalldlg::Values(d) : TTCustwallimpdlg::Values(d);
    std::string error;
    ReportWrite(ui, WriteSettingsLine(s.HomePath, file, error, "%d %d %d", v[0], v[1], v[2]), error);
    return CustomWallType(v[0], v[1], v[2]);
}

std::optional<WallType> AskWallType(AppState& s, Ui& ui) {
    DialogDescription d = TTExtwalldlg::Make(LastWallCode(s));
    if (!RunAccepted(ui, d)) return std::nullopt;
    const WallTypeRow& row = TTExtwalldlg::Chosen(d);
    const bool metric = s.MetricFlag == 1;
    std::string error;
    ReportWrite(ui,
                WriteSettingsLine(s.HomePath, "LASTEXTWL.CFG", error, "%d",
                                  metric ? row.MetricCode : row.ImperialCode),
                error);
    if (row.MetricCode == CustomWallCode) return AskCustomWall(s, ui);
    return metric ? row.Metric : row.Imperial;
}

// The tool goes with the pick tool that replaces it.
void Cancel(AppState& s, Ui& ui) {
    ReturnToPickTool(s, ui);
}

// The floor's levels go into its floor record, which the drawing keeps.
void StoreFloorLevels(AppState& s, Ui& ui, const ExtWallSettings& settings) {
    if (s.CurrentView < ViewGround || s.CurrentView > ViewGround + 5) return;
    TObj* info = s.DrawingObjects.At(s.CurrentView - ViewGround);
    if (!info || info->Class() != ObjClass::Info) return;
    info->Z1 = settings.Levels[0];
    info->Z2 = settings.Levels[1];
    WriteDrawing(s, ui, ModeWorking);
}

} // namespace

bool StartExternalWalls(AppState& s, Ui& ui, TExtwallobjtool& tool) {
    ui.SetPanel(0, "GUIDE:");
    ExtWallSettings settings = ReadExtWallSettings(s.HomePath, s.MetricFlag);
    const std::optional<WallType> type = AskWallType(s, ui);
    if (!type) {
        Cancel(s, ui);
        return false;
    }
    tool.Step = 0;
    tool.Scrolled = 0;
    AdvanceWizard(s, ui, 3);
    if (tool.Mode == ModeExtWall) {
        ui.SetPanel(0, "GUIDE: Select the position of the inner wall line(s) relative to the EXTERNAL wall "
                       "line you will draw");
        DialogDescription d = Tsecdlg::Make();
        if (!RunAccepted(ui, d)) {
            Cancel(s, ui);
            return false;
        }
        tool.SetInnerSide(Tsecdlg::Side(d));
        AdvanceWizard(s, ui, 4);
    }
    settings.Type = *type;
    settings.Colour = tool.PenColour;
    std::string error;
    ReportWrite(ui, WriteExtWallSettings(s.HomePath, s.MetricFlag, settings, error), error);
    ui.SetPanel(0,
                "Draw outer line of EXTERNAL walls, press ENTER on start point then use arrow keys for input "
                "(for ANGLED walls press F1 key for help)");
    if (s.CurrentView == ViewGround) ui.SetCursorPos(s.MetricFlag == 1 ? Point{25, 25} : Point{24, 24});
    ui.SetPanel(0, s.CurrentView < 50 ? "GUIDE: press ENTER on each house internal corner CLOCKWISE, then "
                                        "press '+ add' or 'F' key to FINISH"
                                      : "GUIDE: Draw outer line of EXTERNAL walls, press ENTER on start "
                                        "point then use arrow keys for input");
    StoreFloorLevels(s, ui, settings);
    return true;
}

} // namespace velmora
