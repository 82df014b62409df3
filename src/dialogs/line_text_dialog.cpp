#include "dialogs/line_text_dialog.h"

namespace velmora {

namespace {
constexpr const char* Group = "text position relative to line";
} // namespace

DialogDescription TTLinetextdlg::Make() {
    DialogDescription d;
    d.Caption = Caption;
    d.HelpPage = "tools.htm";
    DialogField text = MakeField(Text, FieldKind::Text, "", Group);
    text.MaxLength = MaxText;
    d.Fields.push_back(text);
    d.Fields.push_back(StaticText("maximum 20 letters / numbers", Group));
    d.Fields.push_back(RadioField(AboveOrLeft, true, Group));
    d.Fields.push_back(RadioField(BelowOrRight, false, Group));
    d.Fields.push_back(StaticText("for angled line use above or below line", Group));
    AddOkCancelHelp(d);
    return d;
}

int TTLinetextdlg::Side(const DialogDescription& d) {
    return d.IsOn(BelowOrRight) ? 2 : 1;
}

} // namespace velmora
