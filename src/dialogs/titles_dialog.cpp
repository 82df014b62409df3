#include "dialogs/titles_dialog.h"

namespace velmora {

std::string CleanTitle(const std::string& typed) {
    std::string s;
    for (unsigned char c : typed)
        if (c >= 32 && c != 127) s.push_back(static_cast<char>(c));
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    const auto last = s.find_last_not_of(' ');
    return s.substr(first, last - first + 1);
}

DialogDescription TTTitledlg::Make(const std::array<std::string, 6>& titles) {
    DialogDescription d;
    d.Caption = Caption;
    d.HelpPage = "custom.htm";
    for (std::size_t i = 0; i < Labels.size(); ++i) {
        DialogField f = MakeField(Labels[i], FieldKind::Text, titles[i], Group);
        f.MaxLength = static_cast<int>(MaxTitle);
        d.Fields.push_back(f);
    }
    d.Fields.push_back(StaticText(Note));
    AddOkCancelHelp(d);
    d.Check = [](const DialogDescription& dialog, const std::string&) -> std::optional<std::string> {
        for (const char* label : Labels) {
            const std::string title = CleanTitle(dialog.Value(label));
            if (title.empty() || title.size() > MaxTitle) return std::string(Refusal);
        }
        return std::nullopt;
    };
    return d;
}

std::array<std::string, 6> TTTitledlg::Titles(const DialogDescription& d) {
    std::array<std::string, 6> titles;
    for (std::size_t i = 0; i < Labels.size(); ++i)
        titles[i] = CleanTitle(d.Value(Labels[i]));
    return titles;
}

} // namespace velmora
