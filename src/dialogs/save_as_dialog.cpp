#include "dialogs/save_as_dialog.h"

#include "model/drawing_names.h"

namespace velmora {

DialogDescription TTsaveasdlg::Make() {
    DialogDescription d;
    d.Caption = Caption;
    d.HelpPage = HelpPage;
    DialogField name = MakeField(Name, FieldKind::Text);
    name.MaxLength = static_cast<int>(MaxDrawingNameLength);
    d.Fields.push_back(name);
    AddOkCancelHelp(d);
    d.RefusalTitle = NameErrorTitle;
    d.Check = [](const DialogDescription& dlg, const std::string&) -> std::optional<std::string> {
        if (NameChosen(dlg)) return std::nullopt;
        return std::string(NameError);
    };
    return d;
}

std::optional<std::string> TTsaveasdlg::NameChosen(const DialogDescription& d) {
    std::string name = TidyDrawingName(d.Value(Name));
    if (!IsValidDrawingName(name)) return std::nullopt;
    return name;
}

} // namespace velmora
