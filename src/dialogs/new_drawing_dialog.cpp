#include "dialogs/new_drawing_dialog.h"

#include "model/drawing_names.h"

namespace velmora {

namespace {

constexpr const char* MethodGroup = "drawing method";
constexpr const char* UnitsGroup = "measurement type";

} // namespace

DialogDescription TTNewDlg::Make(int start, int metric) {
    DialogDescription d;
    d.Caption = Caption;
    d.HelpPage = HelpPage;
    DialogField name = MakeField(Name, FieldKind::Text, InitialName);
    name.MaxLength = static_cast<int>(MaxDrawingNameLength);
    d.Fields.push_back(name);
    d.Fields.push_back(RadioField(ExternalWalls, start == MethodExternalWalls, MethodGroup));
    d.Fields.push_back(RadioField(LayoutRooms, start != MethodExternalWalls, MethodGroup));
    d.Fields.push_back(RadioField(Metric, metric != 0, UnitsGroup));
    d.Fields.push_back(RadioField(FeetAndInches, metric == 0, UnitsGroup));
    AddOkCancelHelp(d);
    // A name that is no drawing name is refused while the dialog stays open, so the method and measuring
    // system chosen are not lost with it.
    d.RefusalTitle = NameErrorTitle;
    d.Check = [](const DialogDescription& dlg, const std::string&) -> std::optional<std::string> {
        if (NameChosen(dlg)) return std::nullopt;
        return std::string(NameError);
    };
    return d;
}

int TTNewDlg::MethodChosen(const DialogDescription& d) {
    return d.IsOn(ExternalWalls) ? MethodExternalWalls : MethodLayoutRooms;
}

int TTNewDlg::MetricChosen(const DialogDescription& d) {
    return d.IsOn(Metric) ? 1 : 0;
}

std::optional<std::string> TTNewDlg::NameChosen(const DialogDescription& d) {
    std::string name = TidyDrawingName(d.Value(Name));
    if (!IsValidDrawingName(name)) return std::nullopt;
    return name;
}

} // namespace velmora
