#include "platform/scripted_ui.h"

#include "dialogs/dialog.h"

#include <algorithm>
#include <filesystem>

namespace velmora {

namespace {

// Timers that keep starting timers would hang a script run. Legitimate chains can be long: autoscroll moves
// five pixels a pass until the view reaches the end of the sheet, thousands of passes across a zoomed-up
// sheet while the button is held at an edge.
constexpr int MaxTimerRuns = 100000;
// A program that asks again whenever it is answered by default would go round for ever; a real session never
// meets this many questions between two things the user does.
constexpr int MaxAutoAnswers = 200;

// One transcript line per event: line breaks inside a text are written as \n, the way scripts quote them.
std::string OneLine(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == '\n')
            out += "\\n";
        else if (c != '\r')
            out += c;
    }
    return out;
}

std::string Quoted(const std::string& s) {
    return "\"" + OneLine(s) + "\"";
}

std::string FromLine(const ScriptAnswer& a) {
    return a.Line > 0 ? " (line " + std::to_string(a.Line) + ")" : "";
}

// What a dialog's Enter key presses: its first closing button that is not Cancel (the front end makes that
// one the default); a dialog with none is closed by its Cancel button.
const DialogButton* DefaultButton(const DialogDescription& d) {
    for (const auto& b : d.Buttons)
        if (b.Closes && !b.IsCancel) return &b;
    return nullptr;
}

const DialogButton* CancelButton(const DialogDescription& d) {
    for (const auto& b : d.Buttons)
        if (b.IsCancel) return &b;
    return nullptr;
}

Rect Union(const Rect& a, const Rect& b) {
    return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
            std::max(a.Bottom, b.Bottom)};
}

} // namespace

ScriptedUi::ScriptedUi(std::ostream& transcript) : Out(transcript) {}

void ScriptedUi::Queue(ScriptAnswer answer) {
    Answers.push_back(std::move(answer));
}

void ScriptedUi::Fail(const std::string& why) {
    if (FirstFailure.empty()) FirstFailure = why;
    Out << "[failure] " << OneLine(why) << "\n";
    throw ScriptFailure(why);
}

bool ScriptedUi::HeadAnswers(AnswerKind kind, const std::string& caption) const {
    if (Answers.empty() || Answers.front().Kind != kind) return false;
    return kind != AnswerKind::Dialog || SameWords(caption, Answers.front().Caption);
}

void ScriptedUi::NoteAutoAnswer(const std::string& reply) {
    Out << "  -> " << reply << " (autoanswer)\n";
    if (++AutoAnswersSinceIdle > MaxAutoAnswers)
        Fail("the program keeps asking: " + std::to_string(MaxAutoAnswers) +
             " questions answered by default without a pause");
}

bool ScriptedUi::CancelledByDefault(AnswerKind chooser) {
    if (!AutoAnswer || HeadAnswers(chooser)) return false;
    NoteAutoAnswer("Cancel");
    return true;
}

ScriptAnswer ScriptedUi::Take(AnswerKind kind, const std::string& asked) {
    if (Answers.empty()) Fail("unanswered " + asked + "; no answer is left in the queue");
    if (Answers.front().Kind != kind)
        Fail("unanswered " + asked + "; the next answer" + FromLine(Answers.front()) + " is " +
             Describe(Answers.front()));
    ScriptAnswer a = std::move(Answers.front());
    Answers.pop_front();
    return a;
}

void ScriptedUi::RecordMessage(const std::string& title, const std::string& text) {
    LastTitle = title;
    LastMessageText = text;
    ++Messages;
}

// Message boxes with only an O K button need no answer: the script checks them with `expect message`.
void ScriptedUi::Message(const std::string& title, const std::string& text, MessageKind kind) {
    RecordMessage(title, text);
    const char* tag = kind == MessageKind::Error     ? "error"
                      : kind == MessageKind::Warning ? "warning"
                                                     : "message";
    Out << "[" << tag << " " << Quoted(title) << "] " << OneLine(text) << "\n";
}

// A question takes only an answer naming one of its buttons: a script answering a Yes/No question with OK
// (or Cancel) is wrong, and saying so beats guessing which button was meant.
MessageReply ScriptedUi::AskQuestion(const std::string& title, const std::string& text,
                                     const std::string& asked, const std::vector<MessageReply>& buttons) {
    RecordMessage(title, text);
    Out << "[question " << Quoted(title) << "] " << OneLine(text) << "\n";
    if (AutoAnswer && !HeadAnswers(AnswerKind::Message)) {
        // The first button is the box's default: Yes, or O K.
        NoteAutoAnswer(ReplyName(buttons.front()));
        return buttons.front();
    }
    ScriptAnswer a = Take(AnswerKind::Message, asked);
    if (std::find(buttons.begin(), buttons.end(), a.Reply) == buttons.end())
        Fail("the " + asked + " cannot be answered " + ReplyName(a.Reply) + FromLine(a));
    Out << "  -> " << ReplyName(a.Reply) << "\n";
    return a.Reply;
}

bool ScriptedUi::AskYesNo(const std::string& title, const std::string& text) {
    return AskQuestion(title, text, "Yes/No question " + Quoted(text) + " (buttons: Yes, No)",
                       {MessageReply::Yes, MessageReply::No}) == MessageReply::Yes;
}

bool ScriptedUi::AskOkCancel(const std::string& title, const std::string& text) {
    return AskQuestion(title, text, "OK/Cancel question " + Quoted(text) + " (buttons: O K, Cancel)",
                       {MessageReply::Ok, MessageReply::Cancel}) == MessageReply::Ok;
}

std::optional<bool> ScriptedUi::AskYesNoCancel(const std::string& title, const std::string& text) {
    const MessageReply r =
        AskQuestion(title, text, "Yes/No/Cancel question " + Quoted(text) + " (buttons: Yes, No, Cancel)",
                    {MessageReply::Yes, MessageReply::No, MessageReply::Cancel});
    if (r == MessageReply::Cancel) return std::nullopt;
    return r == MessageReply::Yes;
}

std::optional<std::string> ScriptedUi::InputBox(const std::string& caption, const std::string& prompt,
                                                const std::string& initial) {
    Out << "[input " << Quoted(caption) << "] " << OneLine(prompt) << " [" << OneLine(initial) << "]\n";
    if (AutoAnswer && !HeadAnswers(AnswerKind::Input)) {
        NoteAutoAnswer(Quoted(initial));
        return initial;
    }
    ScriptAnswer a = Take(AnswerKind::Input, "input box " + Quoted(caption) + " asking " + Quoted(prompt));
    Out << "  -> " << (a.Cancel ? "Cancel" : Quoted(a.Text)) << "\n";
    if (a.Cancel) return std::nullopt;
    return a.Text;
}

// Runs the dialog on the answers at the head of the queue: each one sets fields and presses a button. A
// refusal by the check, or a button that acts while the dialog stays open, leaves it open for the next
// answer, which must again be for this dialog.
std::string ScriptedUi::RunDialog(DialogDescription& dialog) {
    Out << "[dialog " << Quoted(dialog.Caption) << "]\n";
    std::string refusal;
    for (;;) {
        if (AutoAnswer && !HeadAnswers(AnswerKind::Dialog, dialog.Caption)) {
            const std::string pressed = AutoAnswerDialog(dialog, refusal);
            if (!pressed.empty()) return pressed;
            continue;
        }
        if (!HeadAnswers(AnswerKind::Dialog, dialog.Caption)) {
            std::string why = "unanswered dialog " + Quoted(dialog.Caption);
            if (!refusal.empty()) why += " (still open after it refused: " + Quoted(refusal) + ")";
            why += "; " + DescribeDialog(dialog) + "; ";
            why += Answers.empty()
                       ? "no answer is left in the queue"
                       : "the next answer" + FromLine(Answers.front()) + " is " + Describe(Answers.front());
            Fail(why);
        }
        ScriptAnswer a = std::move(Answers.front());
        Answers.pop_front();
        const DialogButton* button = nullptr;
        try {
            button = &ApplyDialogAnswer(dialog, a);
        } catch (const ScriptFailure& e) {
            Fail(e.what());
        }
        Out << "  -> " << button->Caption << "\n";
        if (PressButton(dialog, *button, refusal)) return button->Caption;
    }
}

// The fields keep what the dialog opened with and the default button is pressed; when the check has just
// refused that, the dialog is cancelled, as a user who cannot get past it would. Returns the caption of the
// button that closed the dialog, or "" while it stays open.
std::string ScriptedUi::AutoAnswerDialog(DialogDescription& dialog, std::string& refusal) {
    const DialogButton* button = refusal.empty() ? DefaultButton(dialog) : nullptr;
    if (!button) button = CancelButton(dialog);
    if (!button)
        Fail("dialog " + Quoted(dialog.Caption) + " cannot be answered by default: " +
             (refusal.empty() ? "it has no button that closes it"
                              : "it refuses its defaults (" + Quoted(refusal) + ") and has no Cancel") +
             "; " + DescribeDialog(dialog));
    NoteAutoAnswer(button->Caption);
    return PressButton(dialog, *button, refusal) ? button->Caption : std::string();
}

// True when the button closes the dialog; `refusal` is what the check said when it kept the dialog open.
bool ScriptedUi::PressButton(DialogDescription& dialog, const DialogButton& button, std::string& refusal) {
    refusal.clear();
    if (button.IsCancel) return true;
    if (!button.Closes) {
        if (button.Action)
            button.Action(dialog);
        else if (SameWords(button.Caption, "Help"))
            ShowHelp(dialog.HelpPage);
        return false;
    }
    const std::optional<std::string> refused = dialog.Refusal(button.Caption);
    if (!refused) return true;
    refusal = *refused;
    RecordMessage(dialog.TitleOfRefusal(), *refused);
    Out << "[refused " << Quoted(dialog.Caption) << "] " << OneLine(*refused) << "\n";
    return false;
}

void ScriptedUi::SetPanel(int index, const std::string& text) {
    auto& panel = Panels[index];
    if (panel == text) return;
    panel = text;
    Out << "[panel " << index << "] " << OneLine(text) << "\n";
}

// Each change of either panel goes to the transcript, so a step shown only while a dialog is open can be
// seen in its place among the dialogs.
void ScriptedUi::SetWizardPanels(const std::string& step, const std::string& note) {
    if (step != WizardStep) {
        Out << "[wizard] " << (step.empty() ? "(none)" : OneLine(step)) << "\n";
        if (!step.empty()) WizardShown.push_back(step);
    }
    if (note != WizardNote) Out << "[wizard note] " << (note.empty() ? "(none)" : OneLine(note)) << "\n";
    WizardStep = step;
    WizardNote = note;
}

std::string ScriptedUi::Panel(int index) const {
    const auto it = Panels.find(index);
    return it == Panels.end() ? std::string() : it->second;
}

bool ScriptedUi::MenuChecked(const std::string& handler) const {
    const auto it = Checked.find(handler);
    return it != Checked.end() && it->second;
}

bool ScriptedUi::MenuEnabled(const std::string& handler) const {
    const auto it = Enabled.find(handler);
    return it == Enabled.end() || it->second;
}

// A new window is painted whole once the event loop gets to it.
void ScriptedUi::OpenDrawingWindow(const std::string& caption) {
    WindowOpen = true;
    Caption = caption;
    Out << "[window] " << OneLine(caption) << "\n";
    Invalidate();
}

void ScriptedUi::CloseDrawingWindow() {
    if (!WindowOpen) return;
    WindowOpen = false;
    Caption.clear();
    Invalid.reset();
    Out << "[window closed]\n";
}

void ScriptedUi::SetWindowCaption(const std::string& caption) {
    if (caption == Caption) return;
    Caption = caption;
    Out << "[window] " << OneLine(caption) << "\n";
}

void ScriptedUi::Invalidate(std::optional<Rect> pixels) {
    if (!WindowOpen) return;
    const Rect whole{0, 0, Client.Width, Client.Height};
    const Rect r = pixels.value_or(whole);
    if (r.Width() <= 0 || r.Height() <= 0) return;
    Invalid = Invalid ? Union(*Invalid, r) : r;
}

void ScriptedUi::UpdateNow() {
    if (!Invalid) return;
    const Rect r = *Invalid;
    Invalid.reset(); // painting may invalidate again; that is the next paint's business
    if (WindowOpen && Paint) Paint(r);
}

void ScriptedUi::ShowHelp(const std::string& page) {
    Help = page;
    Out << "[help] " << page << "\n";
}

// A bare name is taken as a file in the folder the chooser opened on, as the chooser itself would return it.
std::optional<std::string> ScriptedUi::ChooseFile(const std::string& title, const std::string& folder,
                                                  const std::string& pattern, bool forSaving) {
    Out << "[file " << (forSaving ? "save " : "open ") << Quoted(title) << "] " << folder << " " << pattern
        << "\n";
    if (CancelledByDefault(AnswerKind::File)) return std::nullopt;
    ScriptAnswer a = Take(AnswerKind::File, "file chooser " + Quoted(title));
    Out << "  -> " << (a.Cancel ? "Cancel" : Quoted(a.Text)) << "\n";
    if (a.Cancel) return std::nullopt;
    const std::filesystem::path name(a.Text);
    if (name.is_absolute() || folder.empty()) return a.Text;
    return (std::filesystem::path(folder) / name).string();
}

std::optional<Colorref> ScriptedUi::ChooseColour(Colorref initial, std::vector<Colorref>& /*customColours*/) {
    Out << "[colour] " << initial << "\n";
    if (CancelledByDefault(AnswerKind::Colour)) return std::nullopt;
    ScriptAnswer a = Take(AnswerKind::Colour, "colour chooser (opened on " + std::to_string(initial) + ")");
    Out << "  -> " << (a.Cancel ? std::string("Cancel") : std::to_string(a.Colour)) << "\n";
    if (a.Cancel) return std::nullopt;
    return a.Colour;
}

std::optional<FontChoice> ScriptedUi::ChooseFont(const FontChoice& initial) {
    Out << "[font] " << initial.FaceName << " " << initial.PointSize << "\n";
    if (CancelledByDefault(AnswerKind::Font)) return std::nullopt;
    ScriptAnswer a = Take(AnswerKind::Font, "font chooser (opened on " + initial.FaceName + " " +
                                                std::to_string(initial.PointSize) + ")");
    if (a.Cancel) {
        Out << "  -> Cancel\n";
        return std::nullopt;
    }
    FontChoice f = initial;
    f.FaceName = a.Font.Face.value_or(f.FaceName);
    f.PointSize = a.Font.Size.value_or(f.PointSize);
    f.Bold = a.Font.Bold.value_or(f.Bold);
    f.Italic = a.Font.Italic.value_or(f.Italic);
    f.Colour = a.Font.Colour.value_or(f.Colour);
    Out << "  -> " << f.FaceName << " " << f.PointSize << (f.Bold ? " bold" : "")
        << (f.Italic ? " italic" : "") << "\n";
    return f;
}

// Timers run only when the host lets the event loop idle, in the order they were started.
void ScriptedUi::StartOneShotTimer(int /*ms*/, std::function<void()> fn) {
    Timers.push_back(std::move(fn));
}

void ScriptedUi::RunPendingTimers() {
    for (int runs = 0; !Timers.empty(); ++runs) {
        if (runs == MaxTimerRuns) Fail("timers keep starting timers: stopped after " + std::to_string(runs));
        std::function<void()> fn = std::move(Timers.front());
        Timers.pop_front();
        fn();
    }
}

void ScriptedUi::Idle() {
    AutoAnswersSinceIdle = 0;
    RunPendingTimers();
    UpdateNow();
}

// The print dialog: the script chooses "PDF file" and names it, or cancels.
std::unique_ptr<PrintJob> ScriptedUi::StartPrintJob(const PrintJobRequest& request) {
    Out << "[print " << Quoted(request.DocumentName) << "] " << (request.Landscape ? "landscape" : "portrait")
        << "\n";
    // The print dialog is a chooser like the file chooser: by default it is cancelled.
    if (CancelledByDefault(AnswerKind::Printer)) return nullptr;
    ScriptAnswer a = Take(AnswerKind::Printer, "print dialog for " + Quoted(request.DocumentName));
    Out << "  -> " << (a.Cancel ? "Cancel" : "PDF file " + Quoted(a.Text)) << "\n";
    if (a.Cancel) return nullptr;
    if (!PdfPrinter) Fail("the print dialog has no PDF printer in this host");
    return PdfPrinter(a.Text, request);
}

// The printer setup dialog has only the settings of the printer itself: nothing a script need answer.
void ScriptedUi::PrinterSetup() {
    Out << "[printer setup]\n";
}

std::optional<CapturedPicture> ScriptedUi::CaptureWindow() {
    if (!WindowOpen) return std::nullopt;
    if (!Capture) Fail("the window's picture cannot be captured in this host");
    return Capture();
}

} // namespace velmora
