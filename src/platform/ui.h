// Everything the core asks of the toolkit other than drawing. Two implementations: the Qt front end and the
// scripted one of session scripts and tests, which takes its answers from a queue and fails loudly when a
// dialog appears that nobody answered.
#pragma once

#include "platform/canvas.h"
#include "platform/captured_picture.h"
#include "platform/print_job.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace velmora {

struct DialogDescription;

enum class MessageKind { Information, Error, Warning };

struct FontChoice {
    std::string FaceName = "Arial";
    int PointSize = 10;
    bool Bold = false;
    bool Italic = false;
    Colorref Colour = 0;
};

struct Size {
    int Width = 0;
    int Height = 0;
    bool operator==(const Size&) const = default;
};

struct ScrollState {
    int HRange = 0, VRange = 0; // pixels
    int HPos = 0, VPos = 0;
    bool operator==(const ScrollState&) const = default;
};

class Ui {
public:
    virtual ~Ui() = default;

    // Message boxes. Title may be empty.
    virtual void Message(const std::string& title, const std::string& text,
                         MessageKind kind = MessageKind::Information) = 0;
    virtual bool AskYesNo(const std::string& title, const std::string& text) = 0;    // true: Yes
    virtual bool AskOkCancel(const std::string& title, const std::string& text) = 0; // true: O K
    // A Yes/No question whose Cancel calls off what asked it; Escape and the box's close button are Cancel,
    // never No. True: Yes, false: No, nothing: Cancel.
    virtual std::optional<bool> AskYesNoCancel(const std::string& title, const std::string& text) = 0;
    // The input box: the text typed, or nothing when cancelled.
    virtual std::optional<std::string> InputBox(const std::string& caption, const std::string& prompt,
                                                const std::string& initial) = 0;
    // A modal dialog: runs until a closing button is pressed and the description's check accepts; the
    // fields then hold the values entered. Returns the caption of the button that closed it.
    virtual std::string RunDialog(DialogDescription& dialog) = 0;

    // Status bar: panel 0 the guide line, 1 the pixel size, 2 the tool; and the cursor read-out.
    virtual void SetPanel(int index, const std::string& text) = 0;
    virtual std::string Panel(int index) const = 0;
    virtual void SetReadout(const std::string& text) = 0;
    // The two panels of a guided sequence over the drawing window: the step's instruction, centred, and
    // the note at the top of how to leave the sequence. An empty text takes that panel away.
    virtual void SetWizardPanels(const std::string& step, const std::string& note) = 0;

    // Menus, by the handler name of the item (CmFilenewExecute ...).
    virtual void SetMenuChecked(const std::string& handler, bool checked) = 0;
    virtual void SetMenuEnabled(const std::string& handler, bool enabled) = 0;
    virtual void SetRecentFiles(const std::vector<std::string>& names) = 0;

    // The drawing window. The core keeps its picture in the window's backing image: Canvas() draws into it
    // at once (rubber bands); Invalidate asks for the paint handler to redraw part or all of it.
    virtual void OpenDrawingWindow(const std::string& caption) = 0;
    virtual void CloseDrawingWindow() = 0;
    virtual bool HasDrawingWindow() const = 0;
    virtual void SetWindowCaption(const std::string& caption) = 0;
    virtual Canvas* WindowCanvas() = 0; // nothing without a window
    virtual Size ClientSize() const = 0;
    virtual void Invalidate(std::optional<Rect> pixels = std::nullopt) = 0;
    virtual void UpdateNow() = 0; // paint what is invalid, now
    virtual void SetScroll(const ScrollState& s) = 0;
    virtual ScrollState Scroll() const = 0;
    virtual void SetBackground(Colorref c) = 0;

    // The cursor, in client pixels of the drawing window. The keyboard moves it; tools put it on points.
    virtual Point CursorPos() const = 0;
    virtual void SetCursorPos(Point p) = 0;

    virtual void ShowHelp(const std::string& page) = 0;

    // Choosers: nothing when cancelled.
    virtual std::optional<std::string> ChooseFile(const std::string& title, const std::string& folder,
                                                  const std::string& pattern, bool forSaving) = 0;
    virtual std::optional<Colorref> ChooseColour(Colorref initial, std::vector<Colorref>& customColours) = 0;
    virtual std::optional<FontChoice> ChooseFont(const FontChoice& initial) = 0;

    // The print dialog (the printers, and "PDF file" beside them): the job on the device chosen, or nothing
    // when the user cancelled or no device could be opened. The standard printer setup dialog.
    virtual std::unique_ptr<PrintJob> StartPrintJob(const PrintJobRequest& request) = 0;
    virtual void PrinterSetup() = 0;
    // The drawing window's client area as its last repaint left it; nothing without a window.
    virtual std::optional<CapturedPicture> CaptureWindow() = 0;

    // Runs fn once, from the event loop, after ms milliseconds.
    virtual void StartOneShotTimer(int ms, std::function<void()> fn) = 0;
};

} // namespace velmora
