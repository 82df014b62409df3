// TTDefdoorsdlg: the default single door width of each measuring system, the angle door leaves are shown
// open at on plans (with a picture of each) and the thickness of door lines. O K writes DOORSZE.CFG and
// INTERN.CFG when every input is valid; a width out of range keeps the dialog open.
#pragma once

#include "building/opening_settings.h"
#include "dialogs/dialog.h"

namespace velmora {

struct TTDefdoorsdlg {
    static constexpr const char* Caption = "door defaults";
    static constexpr const char* MetricWidth = "single door width - using metric system";
    static constexpr const char* InchWidth = "single door width - using  inches";
    static constexpr const char* Angle30 = "30 degrees";
    static constexpr const char* Angle60 = "60 degrees";
    static constexpr const char* Angle90 = "90 degrees";
    static constexpr const char* Thin = "1 - thin line";
    static constexpr const char* Thick = "2 - thick line";

    static DialogDescription Make(const DoorSizes& sizes, const SwingSettings& swing);
    static DoorSizes Sizes(const DialogDescription& d);
    static SwingSettings Swing(const DialogDescription& d);
};

} // namespace velmora
