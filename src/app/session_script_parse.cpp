// Reading a session script into actions. Every line is read before anything runs, so a typing error near
// the end of a long script is reported at once rather than after the session it closes.
#include "app/session_script.h"

#include "app/program.h"

#include <cctype>
#include <charconv>
#include <stdexcept>

namespace velmora {

namespace {

struct LineError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct Token {
    std::string Text;
    bool Quoted = false;                // some or all of it was in quotes
    std::size_t Eq = std::string::npos; // the first '=' outside quotes
};

struct Line {
    std::vector<Token> Tokens;
    std::string Text; // without the comment
};

char Escaped(char c) {
    switch (c) {
    case 'n':
        return '\n';
    case 't':
        return '\t';
    default:
        return c; // \" and \\ stand for themselves
    }
}

// Words are separated by blanks; quotes may cover any part of a word (name="Smith House"); `#` outside
// quotes starts a comment.
Line Tokenise(std::string_view text) {
    Line line;
    Token t;
    bool inWord = false, inQuotes = false;
    std::size_t end = text.size();
    auto finish = [&] {
        if (inWord) line.Tokens.push_back(std::move(t));
        t = Token{};
        inWord = false;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inQuotes) {
            if (c == '"')
                inQuotes = false;
            else if (c == '\\' && i + 1 < text.size())
                t.Text += Escaped(text[++i]);
            else
                t.Text += c;
            continue;
        }
        if (c == '#') {
            end = i;
            break;
        }
        if (std::isspace(static_cast<unsigned char>(c))) {
            finish();
            continue;
        }
        inWord = true;
        if (c == '"') {
            inQuotes = t.Quoted = true;
            continue;
        }
        if (c == '=' && t.Eq == std::string::npos) t.Eq = t.Text.size();
        t.Text += c;
    }
    if (inQuotes) throw LineError("a quoted text is not closed");
    finish();
    std::string_view kept = text.substr(0, end);
    while (!kept.empty() && std::isspace(static_cast<unsigned char>(kept.back())))
        kept.remove_suffix(1);
    while (!kept.empty() && std::isspace(static_cast<unsigned char>(kept.front())))
        kept.remove_prefix(1);
    line.Text = std::string(kept);
    return line;
}

std::string Lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// A keyword is never quoted, so a quoted "Cancel" is the text Cancel.
bool Is(const Token& t, const char* word) {
    return !t.Quoted && Lower(t.Text) == Lower(word);
}

void NeedCount(const std::vector<Token>& t, std::size_t n, const char* form) {
    if (t.size() != n) throw LineError(std::string("write it as: ") + form);
}

int ToInt(const std::string& s, const char* what) {
    int v = 0;
    const char* end = s.data() + s.size();
    const auto r = std::from_chars(s.data(), end, v);
    if (s.empty() || r.ec != std::errc() || r.ptr != end)
        throw LineError(std::string(what) + " \"" + s + "\" is no whole number");
    return v;
}

Colorref ToColour(const std::string& s) {
    long long v = -1;
    const bool hex = s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X');
    const char* begin = s.data() + (hex ? 2 : 0);
    const char* end = s.data() + s.size();
    const auto r = std::from_chars(begin, end, v, hex ? 16 : 10);
    if (r.ec != std::errc() || r.ptr != end || begin == end || v < 0 || v > 0xFFFFFF)
        throw LineError("colour \"" + s + "\" is no colour: a number 0 to 16777215 (0x00BBGGRR)");
    return static_cast<Colorref>(v);
}

bool OnOff(const Token& t) {
    if (Is(t, "on")) return true;
    if (Is(t, "off")) return false;
    throw LineError("\"" + t.Text + "\" should be on or off");
}

AnswerWord ToWord(const Token& t) {
    if (t.Eq == std::string::npos) return {t.Text, std::nullopt};
    return {t.Text.substr(0, t.Eq), t.Text.substr(t.Eq + 1)};
}

MessageReply ToReply(const Token& t) {
    if (Is(t, "Yes")) return MessageReply::Yes;
    if (Is(t, "No")) return MessageReply::No;
    if (Is(t, "OK")) return MessageReply::Ok;
    if (Is(t, "Cancel")) return MessageReply::Cancel;
    throw LineError("a message is answered Yes, No, OK or Cancel, not \"" + t.Text + "\"");
}

FontAnswer ToFont(const std::vector<Token>& t) {
    FontAnswer f;
    for (std::size_t i = 2; i < t.size(); ++i) {
        const AnswerWord w = ToWord(t[i]);
        const std::string key = t[i].Quoted && !w.Value ? "" : Lower(w.Label);
        const auto flag = [&]() {
            return !w.Value || Lower(*w.Value) == "on" ? true
                   : Lower(*w.Value) == "off"          ? false
                                                       : throw LineError(key + " takes on or off");
        };
        if (key == "face" && w.Value)
            f.Face = *w.Value;
        else if (key == "size" && w.Value)
            f.Size = ToInt(*w.Value, "size");
        else if (key == "colour" && w.Value)
            f.Colour = ToColour(*w.Value);
        else if (key == "bold")
            f.Bold = flag();
        else if (key == "italic")
            f.Italic = flag();
        else if (key == "ok" && i + 1 == t.size())
            continue;
        else
            throw LineError("font answers take face=NAME size=N bold italic colour=N, not \"" + t[i].Text +
                            "\"");
    }
    return f;
}

ScriptAnswer ToAnswer(const std::vector<Token>& t) {
    if (t.size() < 2) throw LineError("write it as: answer CAPTION [label=value | label ...] BUTTON");
    const Token& kind = t[1];
    const bool isDialog = !Is(kind, "message") && !Is(kind, "input") && !Is(kind, "file") &&
                          !Is(kind, "colour") && !Is(kind, "font") && !Is(kind, "printer");
    if (t.size() < 3) {
        if (isDialog) throw LineError("write it as: answer CAPTION [label=value | label ...] BUTTON");
        throw LineError("answer " + kind.Text + " needs the answer itself, or Cancel");
    }
    const Token& first = t[2];
    const bool cancel = Is(first, "Cancel") && t.size() == 3;
    if (Is(kind, "message")) {
        NeedCount(t, 3, "answer message Yes|No|OK|Cancel");
        return ScriptAnswer::ForMessage(ToReply(first));
    }
    if (Is(kind, "input")) {
        NeedCount(t, 3, "answer input VALUE|Cancel (quote a value with blanks)");
        return cancel ? ScriptAnswer::Cancelled(AnswerKind::Input) : ScriptAnswer::ForInput(first.Text);
    }
    if (Is(kind, "file")) {
        NeedCount(t, 3, "answer file NAME|Cancel (quote a name with blanks)");
        return cancel ? ScriptAnswer::Cancelled(AnswerKind::File) : ScriptAnswer::ForFile(first.Text);
    }
    if (Is(kind, "colour")) {
        NeedCount(t, 3, "answer colour N|Cancel");
        return cancel ? ScriptAnswer::Cancelled(AnswerKind::Colour)
                      : ScriptAnswer::ForColour(ToColour(first.Text));
    }
    if (Is(kind, "printer")) {
        NeedCount(t, 3, "answer printer pdf=FILE|Cancel");
        if (cancel) return ScriptAnswer::Cancelled(AnswerKind::Printer);
        const AnswerWord w = ToWord(first);
        if (Lower(w.Label) != "pdf" || !w.Value || w.Value->empty())
            throw LineError("the print dialog is answered pdf=FILE or Cancel, not \"" + first.Text + "\"");
        return ScriptAnswer::ForPdfPrinter(*w.Value);
    }
    if (Is(kind, "font"))
        return cancel ? ScriptAnswer::Cancelled(AnswerKind::Font) : ScriptAnswer::ForFont(ToFont(t));
    ScriptAnswer a;
    a.Kind = AnswerKind::Dialog;
    a.Caption = kind.Text;
    for (std::size_t i = 2; i < t.size(); ++i)
        a.Words.push_back(ToWord(t[i]));
    if (a.Words.back().Value) throw LineError("the last word of a dialog answer is the button to press");
    return a;
}

MouseButton ToButton(const Token& t) {
    if (Is(t, "left")) return MouseButton::Left;
    if (Is(t, "right")) return MouseButton::Right;
    throw LineError("the mouse button is left or right, not \"" + t.Text + "\"");
}

void ToMouse(const std::vector<Token>& t, ScriptAction& a) {
    const char* form = "mouse click|down|up|move left|right X Y (move may leave out the button)";
    if (t.size() < 2) throw LineError(std::string("write it as: ") + form);
    const Token& act = t[1];
    if (Is(act, "click"))
        a.Click = true, a.Mouse = MouseAction::Down;
    else if (Is(act, "down"))
        a.Mouse = MouseAction::Down;
    else if (Is(act, "up"))
        a.Mouse = MouseAction::Up;
    else if (Is(act, "move"))
        a.Mouse = MouseAction::Move;
    else
        throw LineError("the mouse does click, down, up or move, not \"" + act.Text + "\"");
    const bool buttonless = a.Mouse == MouseAction::Move && t.size() == 4;
    if (!buttonless) NeedCount(t, 5, form);
    if (!buttonless) a.Button = ToButton(t[2]);
    a.At = {ToInt(t[t.size() - 2].Text, "x"), ToInt(t[t.size() - 1].Text, "y")};
}

void ToExpect(const std::vector<Token>& t, ScriptAction& a) {
    if (t.size() < 3) throw LineError("write it as: expect panel|message|caption|file|... WHAT");
    const Token& what = t[1];
    if (Is(what, "panel") || Is(what, "recent")) {
        NeedCount(t, 4, Is(what, "panel") ? "expect panel N \"text\"" : "expect recent N \"name\"");
        a.Expect = Is(what, "panel") ? ExpectKind::Panel : ExpectKind::Recent;
        a.Index = ToInt(t[2].Text, "the number");
        if (a.Index < (a.Expect == ExpectKind::Recent ? 1 : 0))
            throw LineError("there is no " + t[1].Text + " " + t[2].Text);
        a.Expected = t[3].Text;
    } else if (Is(what, "message") || Is(what, "caption") || Is(what, "help") || Is(what, "readout") ||
               Is(what, "wizard") || Is(what, "wizard-note") || Is(what, "wizard-shown")) {
        NeedCount(t, 3,
                  "expect message|caption|help|readout|wizard|wizard-note|wizard-shown \"text\" (quote a "
                  "text with blanks)");
        a.Expect = Is(what, "message")        ? ExpectKind::Message
                   : Is(what, "caption")      ? ExpectKind::Caption
                   : Is(what, "help")         ? ExpectKind::Help
                   : Is(what, "wizard")       ? ExpectKind::Wizard
                   : Is(what, "wizard-note")  ? ExpectKind::WizardNote
                   : Is(what, "wizard-shown") ? ExpectKind::WizardShown
                                              : ExpectKind::Readout;
        a.Expected = t[2].Text;
    } else if (Is(what, "file")) {
        if (t.size() != 3) NeedCount(t, 4, "expect file PATH [exists|absent]");
        a.Expect = ExpectKind::File;
        a.Name = t[2].Text;
        if (t.size() == 4 && !Is(t[3], "exists") && !Is(t[3], "absent"))
            throw LineError("a file is expected to be there (exists) or not (absent)");
        a.On = t.size() == 3 || Is(t[3], "exists");
    } else if (Is(what, "checked") || Is(what, "enabled")) {
        if (t.size() != 3) NeedCount(t, 4, "expect checked|enabled HANDLER [on|off]");
        a.Expect = Is(what, "checked") ? ExpectKind::Checked : ExpectKind::Enabled;
        a.Name = t[2].Text;
        a.On = t.size() == 3 || OnOff(t[3]);
    } else if (Is(what, "cursor")) {
        NeedCount(t, 4, "expect cursor X Y");
        a.Expect = ExpectKind::Cursor;
        a.At = {ToInt(t[2].Text, "x"), ToInt(t[3].Text, "y")};
    } else {
        throw LineError("nothing called \"" + what.Text +
                        "\" can be expected: panel, message, caption, file, cursor, help, checked, enabled, "
                        "recent, readout, wizard, wizard-note, wizard-shown");
    }
}

ScriptAction ToAction(const Line& line) {
    const std::vector<Token>& t = line.Tokens;
    ScriptAction a;
    a.Text = line.Text;
    const Token& verb = t[0];
    if (Is(verb, "answer")) {
        a.Kind = ActionKind::Answer;
        a.Answer = ToAnswer(t);
    } else if (Is(verb, "run") || Is(verb, "key") || Is(verb, "save-view")) {
        a.Kind = Is(verb, "run") ? ActionKind::Run : Is(verb, "key") ? ActionKind::Key : ActionKind::SaveView;
        NeedCount(t, 2, Is(verb, "run") ? "run HANDLER" : Is(verb, "key") ? "key NAME" : "save-view FILE");
        a.Name = t[1].Text;
        if (a.Kind == ActionKind::Key) {
            const std::optional<KeyEvent> key = KeyFromName(a.Name);
            if (!key)
                throw LineError("there is no key called \"" + a.Name +
                                "\": Enter, Escape, Left, Add, F1, a, ...");
            a.Key = *key;
        }
    } else if (Is(verb, "autoanswer")) {
        a.Kind = ActionKind::AutoAnswer;
        NeedCount(t, 2, "autoanswer on|off");
        a.On = OnOff(t[1]);
    } else if (Is(verb, "mouse")) {
        a.Kind = ActionKind::Mouse;
        ToMouse(t, a);
    } else if (Is(verb, "expect")) {
        a.Kind = ActionKind::Expect;
        ToExpect(t, a);
    } else {
        throw LineError("unknown action \"" + verb.Text +
                        "\": answer, autoanswer, run, key, mouse, expect or save-view");
    }
    return a;
}

} // namespace

ParsedScript ParseScript(std::string_view text) {
    ParsedScript parsed;
    int number = 0;
    while (!text.empty() || number == 0) {
        const std::size_t nl = text.find('\n');
        std::string_view raw = text.substr(0, nl);
        text = nl == std::string_view::npos ? std::string_view() : text.substr(nl + 1);
        ++number;
        if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
        try {
            const Line line = Tokenise(raw);
            if (line.Tokens.empty()) continue;
            ScriptAction a = ToAction(line);
            a.Line = number;
            a.Answer.Line = number;
            parsed.Actions.push_back(std::move(a));
        } catch (const LineError& e) {
            parsed.Actions.clear();
            parsed.Error = {false, number, "line " + std::to_string(number) + ": " + e.what()};
            return parsed;
        }
    }
    return parsed;
}

} // namespace velmora
