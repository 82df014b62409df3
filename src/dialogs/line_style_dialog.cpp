#include "dialogs/line_style_dialog.h"

namespace velmora {

namespace {
constexpr const char* ThicknessGroup = "line thickness ";
constexpr const char* StyleGroup = "line style";
} // namespace

DialogDescription TTLinedlg::Make() {
    DialogDescription d;
    d.Caption = Caption;
    d.HelpPage = "tools.htm";
    d.Fields.push_back(RadioField(Thin, true, ThicknessGroup));
    d.Fields.push_back(RadioField(Thick, false, ThicknessGroup));
    d.Fields.push_back(RadioField(Solid, true, StyleGroup));
    d.Fields.push_back(RadioField(Dashed, false, StyleGroup));
    d.Fields.push_back(RadioField(Dotted, false, StyleGroup));
    d.Fields.push_back(RadioField(DotDash, false, StyleGroup));
    d.Fields.push_back(StaticText("NOTE not all operating systems "));
    d.Fields.push_back(StaticText("allow thick NON solid lines"));
    AddOkCancelHelp(d);
    return d;
}

int TTLinedlg::PenWidth(const DialogDescription& d) {
    return d.IsOn(Thick) ? 2 : 1;
}

int TTLinedlg::Style(const DialogDescription& d) {
    if (d.IsOn(Dashed)) return 1;
    if (d.IsOn(Dotted)) return 2;
    if (d.IsOn(DotDash)) return 3;
    return 0;
}

} // namespace velmora
