#include "platform/script_answer.h"

#include "dialogs/dialog.h"

#include <cctype>

namespace velmora {

namespace {

// Lower case, blanks collapsed and trimmed, "&&" read as the "&" the toolkit shows.
std::string Normalised(const std::string& s) {
    std::string out;
    bool blank = false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (std::isspace(c)) {
            blank = !out.empty();
            continue;
        }
        if (blank) out += ' ';
        blank = false;
        if (c == '&' && i + 1 < s.size() && s[i + 1] == '&') ++i;
        out += static_cast<char>(std::tolower(c));
    }
    return out;
}

bool IsChoosable(const DialogField& f) {
    return f.Kind == FieldKind::Radio || f.Kind == FieldKind::PictureRadio;
}
bool IsEditBox(const DialogField& f) {
    return f.Kind == FieldKind::Text || f.Kind == FieldKind::Number;
}
bool IsAddressable(const DialogField& f) {
    return f.Kind != FieldKind::Static && f.Kind != FieldKind::Preview;
}

std::string Quoted(const std::string& s) {
    return "\"" + s + "\"";
}

std::string DescribeField(const DialogField& f) {
    std::string d = f.Label;
    std::vector<std::string> notes;
    if (IsEditBox(f)) d += "=" + Quoted(f.Value);
    if (IsChoosable(f)) notes.push_back(f.Value == "1" ? "radio, chosen" : "radio");
    if (f.Kind == FieldKind::Check) notes.push_back(f.Value == "1" ? "box, ticked" : "box");
    if (f.Kind == FieldKind::ColourSwatch) notes.push_back("colour " + f.Value);
    if (!f.Enabled) notes.push_back("disabled");
    for (std::size_t i = 0; i < notes.size(); ++i)
        d += (i == 0 ? " (" : ", ") + notes[i];
    if (!notes.empty()) d += ")";
    return d;
}

// The one field a word names: an exact label first, else the single label that matches loosely.
DialogField* FindField(DialogDescription& dialog, const std::string& word, bool& ambiguous) {
    ambiguous = false;
    for (auto& f : dialog.Fields)
        if (IsAddressable(f) && f.Label == word) return &f;
    DialogField* found = nullptr;
    for (auto& f : dialog.Fields) {
        if (!IsAddressable(f) || !SameWords(f.Label, word)) continue;
        if (found) ambiguous = true;
        found = &f;
    }
    return ambiguous ? nullptr : found;
}

const DialogButton* FindButton(const DialogDescription& dialog, const std::string& word) {
    for (const auto& b : dialog.Buttons)
        if (b.Caption == word) return &b;
    for (const auto& b : dialog.Buttons)
        if (SameButton(b.Caption, word)) return &b;
    return nullptr;
}

[[noreturn]] void Refuse(const DialogDescription& dialog, const ScriptAnswer& answer,
                         const std::string& why) {
    std::string from = answer.Line > 0 ? " (answer of line " + std::to_string(answer.Line) + ")" : "";
    throw ScriptFailure("dialog " + Quoted(dialog.Caption) + from + ": " + why + "; " +
                        DescribeDialog(dialog));
}

std::optional<bool> OnOff(const std::string& value) {
    const std::string v = Normalised(value);
    if (v == "on" || v == "1" || v == "yes") return true;
    if (v == "off" || v == "0" || v == "no") return false;
    return std::nullopt;
}

void SetField(DialogDescription& dialog, DialogField& f, const AnswerWord& w, const ScriptAnswer& answer) {
    if (!f.Enabled) Refuse(dialog, answer, Quoted(f.Label) + " is disabled");
    if (IsEditBox(f)) {
        if (!w.Value)
            Refuse(dialog, answer, Quoted(f.Label) + " is an edit box: write " + f.Label + "=VALUE");
        // The edit box takes no more characters than its limit, as on screen.
        f.Value = f.MaxLength > 0 && static_cast<int>(w.Value->size()) > f.MaxLength
                      ? w.Value->substr(0, f.MaxLength)
                      : *w.Value;
        return;
    }
    const std::optional<bool> on = w.Value ? OnOff(*w.Value) : std::optional<bool>(true);
    if (!on) Refuse(dialog, answer, Quoted(f.Label) + " takes on or off, not " + Quoted(*w.Value));
    if (IsChoosable(f)) {
        if (!*on)
            Refuse(dialog, answer, "radio button " + Quoted(f.Label) + " is cleared by choosing another");
        dialog.Choose(f.Label);
        return;
    }
    if (f.Kind == FieldKind::Check) {
        f.Value = *on ? "1" : "0";
        return;
    }
    Refuse(dialog, answer, Quoted(f.Label) + " cannot be set from a script");
}

} // namespace

AnswerWord ParseAnswerWord(const std::string& word) {
    const auto eq = word.find('=');
    if (eq == std::string::npos) return {word, std::nullopt};
    return {word.substr(0, eq), word.substr(eq + 1)};
}

ScriptAnswer ScriptAnswer::ForDialog(const std::string& caption, const std::vector<std::string>& words) {
    ScriptAnswer a;
    a.Kind = AnswerKind::Dialog;
    a.Caption = caption;
    for (const auto& w : words)
        a.Words.push_back(ParseAnswerWord(w));
    return a;
}

ScriptAnswer ScriptAnswer::ForMessage(MessageReply reply) {
    ScriptAnswer a;
    a.Kind = AnswerKind::Message;
    a.Reply = reply;
    return a;
}

ScriptAnswer ScriptAnswer::ForInput(const std::string& text) {
    ScriptAnswer a;
    a.Kind = AnswerKind::Input;
    a.Text = text;
    return a;
}

ScriptAnswer ScriptAnswer::ForFile(const std::string& name) {
    ScriptAnswer a;
    a.Kind = AnswerKind::File;
    a.Text = name;
    return a;
}

ScriptAnswer ScriptAnswer::ForColour(Colorref colour) {
    ScriptAnswer a;
    a.Kind = AnswerKind::Colour;
    a.Colour = colour;
    return a;
}

ScriptAnswer ScriptAnswer::ForFont(const FontAnswer& font) {
    ScriptAnswer a;
    a.Kind = AnswerKind::Font;
    a.Font = font;
    return a;
}

ScriptAnswer ScriptAnswer::ForPdfPrinter(const std::string& file) {
    ScriptAnswer a;
    a.Kind = AnswerKind::Printer;
    a.Text = file;
    return a;
}

ScriptAnswer ScriptAnswer::Cancelled(AnswerKind kind) {
    ScriptAnswer a;
    a.Kind = kind;
    a.Cancel = true;
    return a;
}

std::string ReplyName(MessageReply reply) {
    switch (reply) {
    case MessageReply::Yes:
        return "Yes";
    case MessageReply::No:
        return "No";
    case MessageReply::Ok:
        return "OK";
    case MessageReply::Cancel:
        return "Cancel";
    }
    return "?";
}

std::string Describe(const ScriptAnswer& a) {
    std::string d = "answer ";
    switch (a.Kind) {
    case AnswerKind::Dialog:
        d += Quoted(a.Caption);
        for (const auto& w : a.Words)
            d += " " + Quoted(w.Value ? w.Label + "=" + *w.Value : w.Label);
        return d;
    case AnswerKind::Message:
        return d + "message " + ReplyName(a.Reply);
    case AnswerKind::Input:
        return d + "input " + (a.Cancel ? "Cancel" : Quoted(a.Text));
    case AnswerKind::File:
        return d + "file " + (a.Cancel ? "Cancel" : Quoted(a.Text));
    case AnswerKind::Colour:
        return d + "colour " + (a.Cancel ? "Cancel" : std::to_string(a.Colour));
    case AnswerKind::Printer:
        return d + "printer " + (a.Cancel ? "Cancel" : "pdf=" + Quoted(a.Text));
    case AnswerKind::Font:
        break;
    }
    d += "font";
    if (a.Cancel) return d + " Cancel";
    const FontAnswer& f = a.Font;
    if (f.Face) d += " face=" + Quoted(*f.Face);
    if (f.Size) d += " size=" + std::to_string(*f.Size);
    if (f.Bold) d += *f.Bold ? " bold" : " bold=off";
    if (f.Italic) d += *f.Italic ? " italic" : " italic=off";
    if (f.Colour) d += " colour=" + std::to_string(*f.Colour);
    return d;
}

bool SameWords(const std::string& label, const std::string& word) {
    return label == word || Normalised(label) == Normalised(word);
}

bool SameButton(const std::string& caption, const std::string& word) {
    if (SameWords(caption, word)) return true;
    const std::string c = Normalised(caption), w = Normalised(word);
    return (c == "o k" && w == "ok") || (c == "ok" && w == "o k");
}

std::string DescribeDialog(const DialogDescription& dialog) {
    std::string d = "fields: ";
    bool first = true;
    for (const auto& f : dialog.Fields) {
        if (!IsAddressable(f)) continue;
        d += (first ? "" : ", ") + DescribeField(f);
        first = false;
    }
    if (first) d += "(none)";
    d += "; buttons: ";
    for (std::size_t i = 0; i < dialog.Buttons.size(); ++i)
        d += (i == 0 ? "" : ", ") + dialog.Buttons[i].Caption;
    if (dialog.Buttons.empty()) d += "(none)";
    return d;
}

const DialogButton& ApplyDialogAnswer(DialogDescription& dialog, const ScriptAnswer& answer) {
    if (answer.Words.empty()) Refuse(dialog, answer, "the answer names no button to press");
    for (std::size_t i = 0; i + 1 < answer.Words.size(); ++i) {
        const AnswerWord& w = answer.Words[i];
        bool ambiguous = false;
        DialogField* f = FindField(dialog, w.Label, ambiguous);
        if (ambiguous) Refuse(dialog, answer, Quoted(w.Label) + " names more than one field");
        if (!f && !w.Value && FindButton(dialog, w.Label))
            Refuse(dialog, answer, Quoted(w.Label) + " is a button: only the last word presses a button");
        if (!f) Refuse(dialog, answer, "no field " + Quoted(w.Label));
        SetField(dialog, *f, w, answer);
    }
    const AnswerWord& last = answer.Words.back();
    const DialogButton* button = last.Value ? nullptr : FindButton(dialog, last.Label);
    if (!button) {
        const std::string word = last.Value ? last.Label + "=" + *last.Value : last.Label;
        Refuse(dialog, answer, "the last word " + Quoted(word) + " is no button");
    }
    return *button;
}

} // namespace velmora
