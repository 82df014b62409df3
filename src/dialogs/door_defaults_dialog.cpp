#include "dialogs/door_defaults_dialog.h"

#include "view/units.h"

#include <string>

namespace velmora {

namespace {

constexpr const char* AngleGroup = "door opening angle on plan views";
constexpr const char* LineGroup = "door line thickness";

// An empty box counts as the usual door: 820 mm, 30 inches.
int WidthOrDefault(const std::string& text, int empty) {
    if (text.find_first_not_of(' ') == std::string::npos) return empty;
    return ReadNumberOrZero(text);
}

DialogField AnglePicture(const char* label, bool on, const char* icon) {
    DialogField f = MakeField(label, FieldKind::PictureRadio, on ? "1" : "", AngleGroup);
    f.Hint = icon;
    return f;
}

} // namespace

DialogDescription TTDefdoorsdlg::Make(const DoorSizes& sizes, const SwingSettings& swing) {
    DialogDescription d;
    d.Caption = Caption;
    d.HelpPage = "windoor.htm";
    d.Fields.push_back(NumberField(MetricWidth, sizes.Metric));
    d.Fields.push_back(NumberField(InchWidth, sizes.Imperial / 24));
    d.Fields.push_back(AnglePicture(Angle30, swing.Angle == 30, "adoor30"));
    d.Fields.push_back(Beside(AnglePicture(Angle60, swing.Angle == 60, "adoor60")));
    d.Fields.push_back(Beside(AnglePicture(Angle90, swing.Angle != 30 && swing.Angle != 60, "adoor90")));
    d.Fields.push_back(RadioField(Thin, swing.Thickness != 2, LineGroup));
    d.Fields.push_back(RadioField(Thick, swing.Thickness == 2, LineGroup));
    AddOkCancelHelp(d);
    d.Check = [](const DialogDescription& dialog, const std::string&) -> std::optional<std::string> {
        const int mm = WidthOrDefault(dialog.Value(MetricWidth), 820);
        const int inches = WidthOrDefault(dialog.Value(InchWidth), 30);
        if (mm < 100 || mm > 1200) return std::string("metric door input is incorrect\n100 - 1200 mm.");
        if (inches < 4 || inches > 48) return std::string("inches door input is incorrect\n4 - 48 inches");
        return std::nullopt;
    };
    return d;
}

DoorSizes TTDefdoorsdlg::Sizes(const DialogDescription& d) {
    return {WidthOrDefault(d.Value(MetricWidth), 820), WidthOrDefault(d.Value(InchWidth), 30) * 24};
}

SwingSettings TTDefdoorsdlg::Swing(const DialogDescription& d) {
    SwingSettings s;
    s.Angle = d.IsOn(Angle30) ? 30 : d.IsOn(Angle60) ? 60 : 90;
    s.Thickness = d.IsOn(Thick) ? 2 : 1;
    return s;
}

} // namespace velmora
