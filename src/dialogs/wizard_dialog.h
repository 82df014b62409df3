// The dialog that starts a guided sequence (Twizdialog): the drawing method and the measuring system of the
// sequence, or the basics page instead.
#pragma once

#include "dialogs/dialog.h"

namespace velmora {

struct Twizdialog {
    static constexpr const char* Caption = "Wizards";
    static constexpr const char* MethodGroup = "wizard";
    static constexpr const char* Walls = "using 'draw external walls' option";
    static constexpr const char* Rooms = "using 'layout design rooms' option";
    static constexpr const char* UnitsGroup = "measuring";
    static constexpr const char* Metric = "in metric";
    static constexpr const char* Imperial = "in feet / inches";
    static constexpr const char* Basics = "Velmora Basics";
    static constexpr const char* BasicsPage = "qstart.htm";

    static DialogDescription Make();
    // The sequence chosen, 1 to 4 (walls metric, walls imperial, rooms metric, rooms imperial).
    static int SequenceChosen(const DialogDescription& d);
};

} // namespace velmora
