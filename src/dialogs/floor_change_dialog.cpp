#include "dialogs/floor_change_dialog.h"

namespace velmora {

DialogDescription TFloorChange::Make() {
    DialogDescription d;
    d.Caption = Caption;
    d.HelpPage = "base.htm";
    d.Fields.push_back(RadioField(AllFloors, true, Group));
    d.Fields.push_back(RadioField(GroundOnly, false, Group));
    d.Fields.push_back(RadioField(ThisFloorOnly, false, Group));
    d.Fields.push_back(StaticText(Note, Group));
    AddOkCancelHelp(d);
    return d;
}

int TFloorChange::Result(const DialogDescription& d) {
    if (d.IsOn(GroundOnly)) return 2;
    if (d.IsOn(ThisFloorOnly)) return 3;
    return 1;
}

} // namespace velmora
