#include "dialogs/save_screen_dialog.h"

namespace velmora {

DialogDescription Tsavescreen::Make(const std::string& drawingName) {
    DialogDescription d;
    d.Caption = Caption;
    d.HelpPage = HelpPage;
    DialogField name = MakeField(Name, FieldKind::Text, drawingName.substr(0, MaxName));
    name.MaxLength = MaxName;
    d.Fields.push_back(name);
    d.Fields.push_back(StaticText(Note));
    d.Buttons.push_back(MakeButton("OK"));
    d.Buttons.push_back(MakeButton("Cancel", true, true));
    d.Buttons.push_back(MakeButton("Help", false));
    return d;
}

} // namespace velmora
