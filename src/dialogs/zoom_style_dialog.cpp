#include "dialogs/zoom_style_dialog.h"

namespace velmora {

DialogDescription TTZoomdlg::Make(int style) {
    DialogDescription d;
    d.Caption = Caption;
    d.HelpPage = "custom.htm";
    d.Fields.push_back(MakeField(NormalSize, FieldKind::Radio, style != 1 ? "1" : "0", "zoom defaults"));
    d.Fields.push_back(MakeField(PreviousState, FieldKind::Radio, style == 1 ? "1" : "0", "zoom defaults"));
    d.Buttons.push_back(MakeButton("O K"));
    d.Buttons.push_back(MakeButton("Cancel", true, true));
    d.Buttons.push_back(MakeButton("Help", false));
    return d;
}

int TTZoomdlg::Result(const DialogDescription& d) {
    return d.IsOn(PreviousState) ? 1 : 0;
}

} // namespace velmora
