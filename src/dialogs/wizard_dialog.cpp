#include "dialogs/wizard_dialog.h"

namespace velmora {

DialogDescription Twizdialog::Make() {
    DialogDescription d;
    d.Caption = Caption;
    d.HelpPage = BasicsPage;
    d.Fields.push_back(RadioField(Walls, true, MethodGroup));
    d.Fields.push_back(RadioField(Rooms, false, MethodGroup));
    d.Fields.push_back(RadioField(Metric, true, UnitsGroup));
    d.Fields.push_back(Beside(RadioField(Imperial, false, UnitsGroup)));
    d.Buttons.push_back(MakeButton("O K"));
    // The basics page is the other way in: the dialog closes on it and no sequence starts.
    d.Buttons.push_back(MakeButton(Basics));
    d.Buttons.push_back(MakeButton("Cancel", true, true));
    return d;
}

int Twizdialog::SequenceChosen(const DialogDescription& d) {
    const int walls = d.IsOn(Rooms) ? 3 : 1;
    return walls + (d.IsOn(Imperial) ? 1 : 0);
}

} // namespace velmora
