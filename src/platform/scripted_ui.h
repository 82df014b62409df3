// The Ui without a screen, for session scripts and tests. The questions the program asks are answered from a
// queue, in order; a question whose answer is not at the head of the queue fails loudly (ScriptFailure, and
// Failure() keeps the first one in case a caller swallowed it). Everything a user would have seen goes to the
// transcript, and the state of the status bar, window, menus and help is kept for scripts to check.
#pragma once

#include "platform/script_answer.h"
#include "platform/ui.h"

#include <deque>
#include <map>
#include <ostream>
#include <vector>

namespace velmora {

class ScriptedUi : public Ui {
public:
    explicit ScriptedUi(std::ostream& transcript);

    // The answers.
    void Queue(ScriptAnswer answer);
    const std::deque<ScriptAnswer>& PendingAnswers() const { return Answers; }
    const std::string& Failure() const { return FirstFailure; } // "" while nothing failed
    std::ostream& Transcript() { return Out; }
    // From now on (or no longer), questions no queued answer matches take their defaults: a dialog its
    // initial values and its default button (Cancel when the check refuses them), a Yes/No question Yes, an
    // OK/Cancel question OK, an input box its initial text, every chooser Cancel.
    void SetAutoAnswer(bool on) { AutoAnswer = on; }
    bool AutoAnswering() const { return AutoAnswer; }

    // What the host supplies: the backing image's canvas and the window's size, and the paint handler that
    // redraws an invalid area of the backing image.
    void SetWindowCanvas(Canvas* canvas) { HostCanvas = canvas; }
    void SetClientSize(Size s) { Client = s; }
    void SetPaintHandler(std::function<void(const Rect&)> paint) { Paint = std::move(paint); }
    // The printer behind the print dialog's "PDF file" (answer printer pdf=FILE), and the capture of the
    // window's picture. Without them a print or a capture fails the script.
    using PdfPrinterFactory =
        std::function<std::unique_ptr<PrintJob>(const std::string& file, const PrintJobRequest& request)>;
    void SetPdfPrinter(PdfPrinterFactory factory) { PdfPrinter = std::move(factory); }
    void SetCaptureHandler(std::function<std::optional<CapturedPicture>()> capture) {
        Capture = std::move(capture);
    }

    // What the event loop would do between two user actions: run the timers that are due, then paint what
    // is invalid.
    void Idle();
    void RunPendingTimers();
    std::size_t PendingTimers() const { return Timers.size(); }
    std::optional<Rect> InvalidArea() const { return Invalid; }

    // What was shown.
    const std::string& LastMessage() const { return LastMessageText; }
    const std::string& LastMessageTitle() const { return LastTitle; }
    int MessageCount() const { return Messages; }
    const std::string& WindowCaption() const { return Caption; }
    const std::string& Readout() const { return ReadoutText; }
    const std::string& WizardStepPanel() const { return WizardStep; }
    const std::string& WizardNotePanel() const { return WizardNote; }
    // The step panels shown, in order, since the list was last forgotten: steps that are only shown while
    // their dialog is open are seen here.
    const std::vector<std::string>& WizardStepsShown() const { return WizardShown; }
    void ForgetWizardStepsShown() { WizardShown.clear(); }
    const std::string& HelpPage() const { return Help; }
    Colorref Background() const { return BackgroundColour; }
    bool MenuChecked(const std::string& handler) const;
    bool MenuEnabled(const std::string& handler) const; // items are enabled until disabled
    const std::vector<std::string>& RecentFiles() const { return Recent; }

    // Ui
    void Message(const std::string& title, const std::string& text, MessageKind kind) override;
    bool AskYesNo(const std::string& title, const std::string& text) override;
    bool AskOkCancel(const std::string& title, const std::string& text) override;
    std::optional<bool> AskYesNoCancel(const std::string& title, const std::string& text) override;
    std::optional<std::string> InputBox(const std::string& caption, const std::string& prompt,
                                        const std::string& initial) override;
    std::string RunDialog(DialogDescription& dialog) override;
    void SetPanel(int index, const std::string& text) override;
    std::string Panel(int index) const override;
    void SetReadout(const std::string& text) override { ReadoutText = text; }
    void SetWizardPanels(const std::string& step, const std::string& note) override;
    void SetMenuChecked(const std::string& handler, bool checked) override { Checked[handler] = checked; }
    void SetMenuEnabled(const std::string& handler, bool enabled) override { Enabled[handler] = enabled; }
    void SetRecentFiles(const std::vector<std::string>& names) override { Recent = names; }
    void OpenDrawingWindow(const std::string& caption) override;
    void CloseDrawingWindow() override;
    bool HasDrawingWindow() const override { return WindowOpen; }
    void SetWindowCaption(const std::string& caption) override;
    Canvas* WindowCanvas() override { return WindowOpen ? HostCanvas : nullptr; }
    Size ClientSize() const override { return Client; }
    void Invalidate(std::optional<Rect> pixels = std::nullopt) override;
    void UpdateNow() override;
    void SetScroll(const ScrollState& s) override { ScrollPos = s; }
    ScrollState Scroll() const override { return ScrollPos; }
    void SetBackground(Colorref c) override { BackgroundColour = c; }
    Point CursorPos() const override { return Cursor; }
    void SetCursorPos(Point p) override { Cursor = p; }
    void ShowHelp(const std::string& page) override;
    std::optional<std::string> ChooseFile(const std::string& title, const std::string& folder,
                                          const std::string& pattern, bool forSaving) override;
    std::optional<Colorref> ChooseColour(Colorref initial, std::vector<Colorref>& customColours) override;
    std::optional<FontChoice> ChooseFont(const FontChoice& initial) override;
    std::unique_ptr<PrintJob> StartPrintJob(const PrintJobRequest& request) override;
    void PrinterSetup() override;
    std::optional<CapturedPicture> CaptureWindow() override;
    void StartOneShotTimer(int ms, std::function<void()> fn) override;

private:
    // Takes the head of the queue when it is of the kind asked; otherwise records and throws the failure,
    // whose text says what was asked (`asked`) and what the queue held instead.
    ScriptAnswer Take(AnswerKind kind, const std::string& asked);
    // Whether the head of the queue is of this kind (for a dialog: of this caption), so it answers.
    bool HeadAnswers(AnswerKind kind, const std::string& caption = "") const;
    // Writes the transcript line of an answer taken by default, and stops a program that keeps asking
    // without end (each auto-answer counts until the next idle).
    void NoteAutoAnswer(const std::string& reply);
    std::string AutoAnswerDialog(DialogDescription& dialog, std::string& refusal);
    // Choosers are cancelled by default: true when this one is.
    bool CancelledByDefault(AnswerKind chooser);
    [[noreturn]] void Fail(const std::string& why);
    void RecordMessage(const std::string& title, const std::string& text);
    // Shows a question and takes its answer, which must name one of its buttons.
    MessageReply AskQuestion(const std::string& title, const std::string& text, const std::string& asked,
                             const std::vector<MessageReply>& buttons);
    bool PressButton(DialogDescription& dialog, const DialogButton& button, std::string& refusal);

    std::ostream& Out;
    std::deque<ScriptAnswer> Answers;
    std::string FirstFailure;
    bool AutoAnswer = false;
    int AutoAnswersSinceIdle = 0;

    Canvas* HostCanvas = nullptr;
    Size Client{1280, 800};
    std::function<void(const Rect&)> Paint;
    PdfPrinterFactory PdfPrinter;
    std::function<std::optional<CapturedPicture>()> Capture;
    std::optional<Rect> Invalid;
    std::deque<std::function<void()>> Timers;

    std::map<int, std::string> Panels;
    std::string LastMessageText, LastTitle;
    int Messages = 0;
    bool WindowOpen = false;
    std::string Caption;
    std::string ReadoutText;
    std::string WizardStep, WizardNote;
    std::vector<std::string> WizardShown;
    std::string Help;
    Colorref BackgroundColour = Rgb(255, 255, 255);
    ScrollState ScrollPos;
    Point Cursor;
    std::map<std::string, bool> Checked, Enabled;
    std::vector<std::string> Recent;
};

} // namespace velmora
