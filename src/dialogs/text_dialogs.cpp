#include "dialogs/text_dialogs.h"

namespace velmora {

namespace {
constexpr const char* DirectionGroup = "text direction";
constexpr const char* AlignmentGroup = "text alignment";
} // namespace

DialogDescription TTTextdlg::Make(bool centred, bool horizontal) {
    DialogDescription d;
    d.Caption = Caption;
    d.HelpPage = "tools.htm";
    d.Fields.push_back(RadioField(Horizontal, horizontal, DirectionGroup));
    d.Fields.push_back(RadioField(Vertical, !horizontal, DirectionGroup));
    d.Fields.push_back(RadioField(Centred, centred, AlignmentGroup));
    d.Fields.push_back(StaticText("cursor is centre point of single line of text", AlignmentGroup));
    d.Fields.push_back(RadioField(MultiLine, !centred, AlignmentGroup));
    d.Fields.push_back(StaticText(" text to go to the right of the cursor", AlignmentGroup));
    d.Fields.push_back(StaticText("see GUIDE line after closing this dialogue box "));
    AddOkCancelHelp(d);
    return d;
}

int TTTextdlg::Placement(const DialogDescription& d) {
    return d.IsOn(MultiLine) ? 2 : 1;
}

int TTTextdlg::Angle(const DialogDescription& d) {
    return d.IsOn(Vertical) ? 2700 : 0;
}

DialogDescription Ttextcentredlg::Make() {
    DialogDescription d;
    d.Caption = Caption;
    d.HelpPage = "tools.htm";
    DialogField text = MakeField(TextField, FieldKind::Text, "", "text ");
    text.MaxLength = MaxLetters;
    d.Fields.push_back(text);
    d.Buttons.push_back(MakeButton("O K"));
    d.Buttons.push_back(MakeButton("Cancel", true, true));
    d.Buttons.push_back(MakeButton("Help ", false));
    return d;
}

std::string Ttextcentredlg::Text(const DialogDescription& d) {
    return d.Value(TextField);
}

} // namespace velmora
