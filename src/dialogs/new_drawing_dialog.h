// The new-drawing dialog (TTNewDlg): the drawing's name, how to start it (external walls or design rooms)
// and its measuring system.
#pragma once

#include "dialogs/dialog.h"

#include <optional>
#include <string>

namespace velmora {

struct TTNewDlg {
    static constexpr const char* Caption = "new drawing";
    static constexpr const char* Name = "name";
    static constexpr const char* ExternalWalls = "draw external walls";
    static constexpr const char* LayoutRooms = "layout rooms first";
    static constexpr const char* Metric = "metric";
    static constexpr const char* FeetAndInches = "feet and inches";
    static constexpr const char* InitialName = "client";
    static constexpr const char* HelpPage = "file.htm";
    static constexpr const char* NameErrorTitle = "Drawing Name Error";
    static constexpr const char* NameError =
        "You must have between 1 to 24 letters or spaces - start File / New again";

    // Drawing methods as START.CFG stores them.
    enum Method : int { MethodLayoutRooms = 1, MethodExternalWalls = 2 };

    // start: START.CFG (2 opens on external walls, anything else on layout rooms); metric: METRIC.CFG
    // (non-zero opens on metric).
    static DialogDescription Make(int start, int metric);
    static int MethodChosen(const DialogDescription& d); // 2 external walls, 1 layout rooms
    static int MetricChosen(const DialogDescription& d); // 1 metric, 0 feet and inches
    // The name typed, blanks at the ends removed, or nothing when it is no drawing name (1 to 24 letters,
    // digits and blanks). The dialog's check refuses such a name with NameError and stays open.
    static std::optional<std::string> NameChosen(const DialogDescription& d);
};

} // namespace velmora
