#include "dialogs/feet_dialog.h"

#include "platform/ui.h"
#include "view/units.h"

#include <string>

namespace velmora {

namespace {

FeetFields FieldsOf(const DialogDescription& d) {
    return {d.Value(TTFeetdlg::Feet), d.Value(TTFeetdlg::Inches), d.Value(TTFeetdlg::Numerator),
            d.Value(TTFeetdlg::Denominator)};
}

} // namespace

DialogDescription TTFeetdlg::Make(int initialWorld) {
    const FeetFields start = FeetFieldsFor(initialWorld);
    DialogDescription d;
    d.Caption = Caption;
    d.HelpPage = "other.htm";
    d.Fields.push_back(MakeField("distance - max 350 feet", FieldKind::Static));
    d.Fields.push_back(MakeField(Feet, FieldKind::Number, start.Feet));
    // One row, read as a length is written: feet, inches and the fraction of an inch.
    d.Fields.push_back(Beside(MakeField(Inches, FieldKind::Number, start.Inches)));
    d.Fields.push_back(Beside(MakeField(Numerator, FieldKind::Number, start.Numerator)));
    d.Fields.push_back(Beside(MakeField("/", FieldKind::Static)));
    d.Fields.push_back(Beside(MakeField(Denominator, FieldKind::Number, start.Denominator)));
    d.Buttons.push_back(MakeButton("O K"));
    d.Buttons.push_back(MakeButton("Cancel", true, true));
    d.Buttons.push_back(MakeButton("Help", false));
    d.Check = [](const DialogDescription& dialog, const std::string&) -> std::optional<std::string> {
        if (FeetFieldsValue(FieldsOf(dialog))) return std::nullopt;
        return std::string(FeetRangeMessage);
    };
    return d;
}

int TTFeetdlg::Value(const DialogDescription& d) {
    return FeetFieldsValue(FieldsOf(d)).value_or(0);
}

std::optional<int> AskFeetDistance(Ui& ui, int initialWorld) {
    DialogDescription d = TTFeetdlg::Make(initialWorld);
    if (ui.RunDialog(d) != "O K") return std::nullopt;
    return TTFeetdlg::Value(d);
}

} // namespace velmora
