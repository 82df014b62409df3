// Replaying a session script against a host. Each failure names the line it stopped at and why; a failed
// expect says what it expected and what it found, so the transcript and the error are enough to mend a test.
#include "app/session_script.h"

#include "model/file_io.h"

#include <algorithm>

namespace velmora {

namespace {

// Texts in failures are quoted with their line breaks visible, the way a script writes them.
std::string Shown(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '\n')
            out += "\\n";
        else if (c == '"')
            out += "\\\"";
        else if (c != '\r')
            out += c;
    }
    return out + "\"";
}

std::filesystem::path Resolve(const ScriptHost& host, const std::string& path) {
    const std::filesystem::path p(path);
    return p.is_absolute() ? p : host.HomeFolder() / p;
}

std::string OnOffName(bool on) {
    return on ? "on" : "off";
}

// The text of an expect's failure, or "" when what was found is what was expected.
std::string Mismatch(const std::string& what, const std::string& expected, const std::string& found) {
    if (expected == found) return {};
    return "expected " + what + " " + Shown(expected) + ", found " + Shown(found);
}

std::string CheckExpect(const ScriptAction& a, ScriptHost& host) {
    ScriptedUi& ui = host.ScriptUi();
    switch (a.Expect) {
    case ExpectKind::Panel:
        return Mismatch("panel " + std::to_string(a.Index), a.Expected, ui.Panel(a.Index));
    case ExpectKind::Message:
        if (ui.MessageCount() == 0)
            return "expected message " + Shown(a.Expected) + ", found no message box yet";
        return Mismatch("message", a.Expected, ui.LastMessage());
    case ExpectKind::Caption:
        if (!ui.HasDrawingWindow())
            return "expected caption " + Shown(a.Expected) + ", found no drawing window";
        return Mismatch("caption", a.Expected, ui.WindowCaption());
    case ExpectKind::Help:
        if (ui.HelpPage().empty()) return "expected help page " + Shown(a.Expected) + ", found no help shown";
        return Mismatch("help page", a.Expected, ui.HelpPage());
    case ExpectKind::Readout:
        return Mismatch("readout", a.Expected, ui.Readout());
    case ExpectKind::Wizard:
        return Mismatch("wizard panel", a.Expected, ui.WizardStepPanel());
    case ExpectKind::WizardNote:
        return Mismatch("wizard note", a.Expected, ui.WizardNotePanel());
    case ExpectKind::WizardShown: {
        const auto& shown = ui.WizardStepsShown();
        if (std::find(shown.begin(), shown.end(), a.Expected) != shown.end()) return {};
        std::string seen;
        for (const std::string& s : shown)
            seen += (seen.empty() ? "" : ", ") + Shown(s);
        return "expected wizard panel " + Shown(a.Expected) + " shown during the last action, found " +
               (seen.empty() ? std::string("none shown") : seen);
    }
    case ExpectKind::Recent: {
        const auto& recent = ui.RecentFiles();
        if (static_cast<std::size_t>(a.Index) > recent.size())
            return "expected recent file " + std::to_string(a.Index) + " " + Shown(a.Expected) +
                   ", found only " + std::to_string(recent.size()) + " recent files";
        return Mismatch("recent file " + std::to_string(a.Index), a.Expected, recent[a.Index - 1]);
    }
    case ExpectKind::File: {
        const std::filesystem::path p = Resolve(host, a.Name);
        std::error_code ec;
        const bool exists = std::filesystem::exists(p, ec);
        if (exists == a.On) return {};
        return "expected file " + p.string() +
               (a.On ? " to exist, found it absent" : " absent, found it there");
    }
    case ExpectKind::Checked:
    case ExpectKind::Enabled: {
        const bool checked = a.Expect == ExpectKind::Checked;
        const bool on = checked ? ui.MenuChecked(a.Name) : ui.MenuEnabled(a.Name);
        if (on == a.On) return {};
        const char* what = checked ? " checked " : " enabled ";
        return "expected menu item " + a.Name + what + OnOffName(a.On) + ", found it " + OnOffName(on);
    }
    case ExpectKind::Cursor: {
        const Point c = ui.CursorPos();
        if (c == a.At) return {};
        return "expected the cursor at " + std::to_string(a.At.X) + " " + std::to_string(a.At.Y) +
               ", found it at " + std::to_string(c.X) + " " + std::to_string(c.Y);
    }
    }
    return {};
}

// A press happens where the pointer can be: inside the window. Moves and releases may stray outside it
// while a button is held, which is how autoscrolling is asked for.
std::string DoMouse(const ScriptAction& a, ScriptHost& host) {
    ScriptedUi& ui = host.ScriptUi();
    const Size s = ui.ClientSize();
    const bool inside = a.At.X >= 0 && a.At.Y >= 0 && a.At.X < s.Width && a.At.Y < s.Height;
    if (a.Mouse == MouseAction::Down && !inside)
        return "the mouse is pressed at " + std::to_string(a.At.X) + " " + std::to_string(a.At.Y) +
               ", outside the " + std::to_string(s.Width) + " x " + std::to_string(s.Height) + " window";
    ui.SetCursorPos(a.At);
    host.Mouse(a.Mouse, a.Button, a.At);
    if (a.Click) {
        ui.Idle(); // the release is a second event
        ui.SetCursorPos(a.At);
        host.Mouse(MouseAction::Up, a.Button, a.At);
    }
    return {};
}

// Runs one action; returns why it failed, or "".
std::string Perform(const ScriptAction& a, ScriptHost& host) {
    ScriptedUi& ui = host.ScriptUi();
    switch (a.Kind) {
    case ActionKind::Answer: {
        ScriptAnswer answer = a.Answer;
        if (answer.Kind == AnswerKind::Printer && !answer.Cancel)
            answer.Text = Resolve(host, answer.Text).string();
        ui.Queue(std::move(answer));
        return {};
    }
    case ActionKind::AutoAnswer:
        ui.SetAutoAnswer(a.On);
        return {};
    case ActionKind::Run:
        ui.ForgetWizardStepsShown();
        return host.RunCommand(a.Name) ? std::string() : "there is no menu command " + Shown(a.Name);
    case ActionKind::Key:
        ui.ForgetWizardStepsShown();
        host.Key(a.Key);
        return {};
    case ActionKind::Mouse:
        ui.ForgetWizardStepsShown();
        return DoMouse(a, host);
    case ActionKind::Expect:
        return CheckExpect(a, host);
    case ActionKind::SaveView: {
        const std::filesystem::path p = Resolve(host, a.Name);
        return host.SaveView(p) ? std::string() : "could not save the view to " + p.string();
    }
    }
    return {};
}

// Runs fn and turns whatever stopped it into the reason, or "". A failure the Ui recorded counts even when
// the program caught the exception that carried it.
template <class Fn> std::string Guarded(ScriptedUi& ui, Fn fn) {
    std::string why;
    try {
        why = fn();
    } catch (const ScriptFailure& e) {
        why = e.what();
    } catch (const std::exception& e) {
        why = std::string("the program failed: ") + e.what();
    }
    if (why.empty() && !ui.Failure().empty()) why = ui.Failure();
    return why;
}

ScriptResult Failed(int line, const std::string& text, const std::string& why) {
    return {false, line, "line " + std::to_string(line) + " (" + text + "): " + why};
}

} // namespace

ScriptResult RunScript(const std::vector<ScriptAction>& actions, ScriptHost& host) {
    ScriptedUi& ui = host.ScriptUi();
    for (const ScriptAction& a : actions) {
        ui.Transcript() << "> " << a.Line << ": " << a.Text << "\n";
        const std::string why = Guarded(ui, [&] {
            // Answers and auto-answering take no time, so the start-up can be answered from the top.
            if (a.Kind != ActionKind::Answer && a.Kind != ActionKind::AutoAnswer) ui.Idle();
            return Perform(a, host);
        });
        if (!why.empty()) {
            ui.Transcript() << "FAILED: " << why << "\n";
            return Failed(a.Line, a.Text, why);
        }
    }
    const std::string why = Guarded(ui, [&] {
        ui.Idle();
        return std::string();
    });
    const int last = actions.empty() ? 0 : actions.back().Line;
    if (!why.empty()) return {false, last, "at the end of the script: " + why};
    if (!ui.PendingAnswers().empty()) {
        const ScriptAnswer& unused = ui.PendingAnswers().front();
        std::string why = "answer left unused: nothing asked for it";
        if (unused.Kind == AnswerKind::Message && unused.Reply == MessageReply::Ok)
            why += " (message boxes with only O K take no answer)";
        return Failed(unused.Line, Describe(unused), why);
    }
    return {};
}

ScriptResult RunScriptText(std::string_view text, ScriptHost& host) {
    const ParsedScript parsed = ParseScript(text);
    if (!parsed.Error.Ok) return parsed.Error;
    return RunScript(parsed.Actions, host);
}

ScriptResult RunScriptFile(const std::filesystem::path& file, ScriptHost& host) {
    ReadFailure failure;
    const std::optional<std::string> text = ReadWholeFile(file, DrawingReadLimit, &failure);
    if (!text) return {false, 0, "cannot read the script " + file.string() + ": " + failure.Reason};
    return RunScriptText(*text, host);
}

} // namespace velmora
