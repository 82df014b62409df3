// Every dialog description the program shows, made with plausible values, for the tests that lay them out.
#pragma once

#include "app/help_pages.h"
#include "dialogs/customise_dialogs.h"
#include "dialogs/design_room_dialogs.h"
#include "dialogs/display_mode_dialog.h"
#include "dialogs/feet_dialog.h"
#include "dialogs/floor_area_dialog.h"
#include "dialogs/floor_change_dialog.h"
#include "dialogs/line_style_dialog.h"
#include "dialogs/new_drawing_dialog.h"
#include "dialogs/overlay_dialog.h"
#include "dialogs/print_dialogs.h"
#include "dialogs/save_as_dialog.h"
#include "dialogs/save_screen_dialog.h"
#include "dialogs/scale_dialogs.h"
#include "dialogs/titles_dialog.h"

#include <functional>
#include <vector>

namespace velmora::test {

struct NamedDialog {
    const char* Name;
    std::function<DialogDescription()> Make;
};

inline std::vector<NamedDialog> EveryDialog() {
    const DimensionSettings dims;
    const PrintStyleFile style;
    return {
        {"new drawing", [] { return TTNewDlg::Make(2, 1); }},
        {"save as", [] { return TTsaveasdlg::Make(); }},
        {"scale metric", [] { return TTScaledlg::Make(5.0f, 8.0f, 1000); }},
        {"scale imperial", [] { return TTScaleImpdlg::Make(4.0f, 16.0f, 1000); }},
        {"measuring system", [] { return TTMeasdlg::Make(1); }},
        {"zoom style", [] { return TTZoomdlg::Make(0); }},
        {"arrow offsets", [dims] { return TTOffsetdlg::Make(dims, 1); }},
        {"room text", [dims] { return TTRoomtextdlg::Make(dims); }},
        {"guide line", [] { return TDefGuideDlg1::Make(1, Rgb(255, 255, 192), {}); }},
        {"display mode", [] { return TTDisplandlg::Make(10); }},
        {"feet and inches", [] { return TTFeetdlg::Make(24 * 100); }},
        {"floor areas",
         [] {
             return TTAreadlg::Make({1000000, 2000000, 0, 0, 0}, 1);
         }},
        {"floor change", [] { return TFloorChange::Make(); }},
        {"line style", [] { return TTLinedlg::Make(); }},
        {"overlays", [] { return TTOverdlg::Make(OverlayFlags{}, true); }},
        {"print", [style] { return TTFPlanprintdlg::Make(1, 0, style); }},
        {"print group", [style] { return TTGrpprintdlg::Make(1, 0, style); }},
        {"print split", [] { return TTSplitdlg::Make(); }},
        {"print calibrator", [] { return TTPrintcaldlg::Make(150, 24 * 624, 1); }},
        {"save screen", [] { return Tsavescreen::Make("Sample House"); }},
        {"titles",
         [] {
             return TTTitledlg::Make({"a", "b", "c", "d", "e", "f"});
         }},
        {"room partition metric", [] { return TTRoomptndlg::Make(100); }},
        {"room partition imperial", [] { return TTRoomptnimp::Make(108); }},
        {"room details metric", [] { return TTRoomdlg::Make(3000, 3600, 2, 3); }},
        {"room details imperial", [] { return TTRoomimpdlg::Make(24 * 102, 24 * 144, 4, 2); }},
        {"about", [] { return AboutDialog(); }},
    };
}

} // namespace velmora::test
