#include "dialogs/display_mode_dialog.h"

namespace velmora {

DialogDescription TTDisplandlg::Make(int mode) {
    DialogDescription d;
    d.Caption = Caption;
    d.HelpPage = "view.htm";
    const int style = mode >= 20 ? 20 : mode >= 10 ? 10 : 0;
    const int variant = mode % 10;
    d.Fields.push_back(RadioField(Normal, style == 0, WallsGroup));
    d.Fields.push_back(RadioField(CrossHatched, style == 10, WallsGroup));
    d.Fields.push_back(RadioField(Solid, style == 20, WallsGroup));
    d.Fields.push_back(MakeField(ShowDimensions, FieldKind::Check, variant == 0 || variant == 2 ? "1" : "0"));
    AddOkCancelHelp(d);
    return d;
}

int TTDisplandlg::Result(const DialogDescription& d) {
    const int style = d.IsOn(Solid) ? 20 : d.IsOn(CrossHatched) ? 10 : 0;
    return style + (d.IsOn(ShowDimensions) ? 0 : 1);
}

} // namespace velmora
