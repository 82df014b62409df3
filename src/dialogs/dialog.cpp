#include "dialogs/dialog.h"

#include "platform/ui.h"

#include <charconv>

namespace velmora {

namespace {

// Picture radio buttons choose like plain ones: both exclude the others of their group.
bool IsRadio(const DialogField& f) {
    return f.Kind == FieldKind::Radio || f.Kind == FieldKind::PictureRadio;
}

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

} // namespace

std::optional<int> ParseWholeNumber(std::string_view text) {
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

DialogField* DialogDescription::Field(const std::string& label) {
    for (auto& f : Fields)
        if (f.Label == label) return &f;
    return nullptr;
}

const DialogField* DialogDescription::Field(const std::string& label) const {
    for (const auto& f : Fields)
        if (f.Label == label) return &f;
    return nullptr;
}

std::string DialogDescription::Value(const std::string& label) const {
    const DialogField* f = Field(label);
    return f ? f->Value : std::string();
}

void DialogDescription::SetValue(const std::string& label, const std::string& value) {
    if (DialogField* f = Field(label)) f->Value = value;
}

bool DialogDescription::IsOn(const std::string& label) const {
    return Value(label) == "1";
}

void DialogDescription::Choose(const std::string& label) {
    DialogField* chosen = Field(label);
    if (!chosen) return;
    if (IsRadio(*chosen)) {
        for (auto& f : Fields)
            if (IsRadio(f) && f.Group == chosen->Group) f.Value = "0";
    }
    chosen->Value = "1";
}

std::string DialogDescription::Chosen(const std::string& group) const {
    for (const auto& f : Fields)
        if (IsRadio(f) && f.Group == group && f.Value == "1") return f.Label;
    return {};
}

std::optional<std::string> DialogDescription::Refusal(const std::string& button) const {
    if (Check)
        if (std::optional<std::string> refused = Check(*this, button)) return refused;
    for (const auto& f : Fields)
        if (f.Kind == FieldKind::Number && f.Enabled && !IsBlank(f.Value) && !ParseWholeNumber(f.Value))
            return f.NotNumber.empty() ? std::string(NotANumberMessage) : f.NotNumber;
    return std::nullopt;
}

const DialogButton* DialogDescription::Button(const std::string& caption) const {
    for (const auto& b : Buttons)
        if (b.Caption == caption) return &b;
    return nullptr;
}

DialogField MakeField(const std::string& label, FieldKind kind, const std::string& value,
                      const std::string& group) {
    DialogField f;
    f.Label = label;
    f.Kind = kind;
    f.Value = value;
    f.Group = group;
    return f;
}

DialogField NumberField(const std::string& label, int value, const std::string& group) {
    return MakeField(label, FieldKind::Number, std::to_string(value), group);
}

DialogField NumberField(const std::string& label, int value, const std::string& unit,
                        const std::string& group) {
    return WithUnit(NumberField(label, value, group), unit);
}

DialogField WithUnit(DialogField field, const std::string& unit) {
    field.Unit = unit;
    return field;
}

DialogField RadioField(const std::string& label, bool on, const std::string& group) {
    return MakeField(label, FieldKind::Radio, on ? "1" : "0", group);
}

DialogField StaticText(const std::string& text, const std::string& group) {
    return MakeField(text, FieldKind::Static, "", group);
}

DialogField Beside(DialogField field, int column) {
    field.Beside = true;
    field.Column = column;
    return field;
}

DialogField InColumn(DialogField field, int column) {
    field.Column = column;
    return field;
}

DialogButton MakeButton(const std::string& caption, bool closes, bool isCancel) {
    DialogButton b;
    b.Caption = caption;
    b.Closes = closes;
    b.IsCancel = isCancel;
    return b;
}

void AddOkCancelHelp(DialogDescription& dialog) {
    dialog.Buttons.push_back(MakeButton("O K"));
    dialog.Buttons.push_back(MakeButton("Cancel", true, true));
    if (!dialog.HelpPage.empty()) dialog.Buttons.push_back(MakeButton("Help", false));
}

bool RunAccepted(Ui& ui, DialogDescription& dialog) {
    const DialogButton* button = dialog.Button(ui.RunDialog(dialog));
    return button != nullptr && !button->IsCancel;
}

} // namespace velmora
