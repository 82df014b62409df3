// The Ui on screen: message boxes, the input box, dialogs through DialogForm, the main frame's status bar,
// menus and read-out, the drawing window, help, the choosers and the one-shot timer.
#pragma once

#include "platform/ui.h"
#include "qt/help_window.h"
#include "qt/main_form.h"

#include <QPointer>

#include <filesystem>
#include <memory>

namespace velmora {

class HelpWindow;

// The colour chooser's title: the guide line's words without "GUIDE:", when they speak of a colour.
QString ColourChooserTitle(const std::string& guide);

class QtUi : public Ui {
public:
    // helpFolder: where the help pages are (see FindHelpFolder).
    QtUi(TMainForm& form, std::filesystem::path helpFolder);
    ~QtUi() override;

    TMainForm& Form() { return F; }
    HelpWindow* Help() const { return HelpView; }

    void Message(const std::string& title, const std::string& text, MessageKind kind) override;
    bool AskYesNo(const std::string& title, const std::string& text) override;
    bool AskOkCancel(const std::string& title, const std::string& text) override;
    std::optional<bool> AskYesNoCancel(const std::string& title, const std::string& text) override;
    std::optional<std::string> InputBox(const std::string& caption, const std::string& prompt,
                                        const std::string& initial) override;
    std::string RunDialog(DialogDescription& dialog) override;

    void SetPanel(int index, const std::string& text) override { F.SetPanel(index, text); }
    std::string Panel(int index) const override { return F.Panel(index); }
    void SetReadout(const std::string& text) override { F.SetReadout(text); }
    void SetWizardPanels(const std::string& step, const std::string& note) override {
        F.SetWizardPanels(step, note);
    }
    void SetMenuChecked(const std::string& handler, bool checked) override {
        F.SetMenuChecked(handler, checked);
    }
    void SetMenuEnabled(const std::string& handler, bool enabled) override {
        F.SetMenuEnabled(handler, enabled);
    }
    void SetRecentFiles(const std::vector<std::string>& names) override { F.SetRecentFiles(names); }

    void OpenDrawingWindow(const std::string& caption) override;
    void CloseDrawingWindow() override { F.CloseDrawingWindow(); }
    bool HasDrawingWindow() const override { return F.DrawingWindow() != nullptr; }
    void SetWindowCaption(const std::string& caption) override { F.SetWindowCaption(caption); }
    Canvas* WindowCanvas() override;
    Size ClientSize() const override;
    void Invalidate(std::optional<Rect> pixels = std::nullopt) override;
    void UpdateNow() override;
    void SetScroll(const ScrollState& s) override;
    ScrollState Scroll() const override;
    void SetBackground(Colorref c) override;
    Point CursorPos() const override;
    void SetCursorPos(Point p) override;

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
    TMainForm& F;
    std::filesystem::path HelpFolder;
    // Made on first use, owned by the frame (or, while help stands beside it, by a modal dialog).
    QPointer<HelpWindow> HelpView;
    Colorref Background = Rgb(255, 255, 255);
    Point Cursor;        // kept while no window is open, so the core reads back what it set
    QString PrinterName; // the printer chosen last, offered first by the next print dialog
};

// A chooser's filter from a file pattern: "*.BMS", "*.BMP;*.PNG", or pairs "Drawings|*.BMS|All|*.*".
QString FileFilter(const std::string& pattern);

} // namespace velmora
