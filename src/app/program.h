// The running program without its windows: the state, the installed tool, the drawing window's logic and
// every menu command, driven by events (a menu command, the mouse at a pixel, a key) and answering through
// the Ui. The Qt front end and session scripts drive the same object.
#pragma once

#include "app/app_state.h"
#include "app/command_registry.h"
#include "platform/canvas.h"
#include "platform/keys.h"
#include "platform/ui.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

class TMDIChild;

enum class MouseButton { Left, Right };
enum class ScrollRequest { LineUp, LineDown, PageUp, PageDown, ThumbPosition, ThumbTrack, Other };

class Program {
public:
    Program(AppState& state, Ui& ui);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    AppState& State() { return S; }
    Ui& GetUi() { return U; }
    TMDIChild* Window() { return Child.get(); }

    // The frame's construction: settings read, pick tool installed, the one-shot timer started.
    void Start();
    // A menu command by its handler name. False when there is no such command or it is disabled.
    bool RunCommand(std::string_view handler);
    bool CommandEnabled(std::string_view handler) const;
    // True once File/Exit has run the exit sequence: the front end then closes the frame.
    bool ExitRequested() const { return Exiting; }

    // The guide line's look as GUIDE.CFG gave it at start-up (1 top of the frame, any other value bottom),
    // and the text colour of the frame chosen in the font dialog. The front end applies them.
    int GuidePosition() const { return GuidePos; }
    Colorref GuideColour() const { return GuideCol; }
    Colorref TextColour() const { return FrameTextColour; }

    // Drawing window events: client pixels, y down.
    void MouseDown(MouseButton button, Point p);
    void MouseUp(MouseButton button, Point p);
    void MouseMove(Point p, bool leftHeld);
    void KeyDown(const KeyEvent& key);
    void KeyPress(char c);
    void KeyUp(const KeyEvent& key);
    void Paint(Canvas& canvas, std::optional<Rect> clip);
    void Resized(Size client);
    void Scrolled(bool vertical, ScrollRequest request, int thumbPos);
    // The wheel and the middle button (see TMDIChild::OnWheel, OnWheelZoom, OnPan).
    void Wheeled(bool vertical, int notches);
    void WheelZoomed(Point px, bool enlarge);
    void Panned(Point delta);
    // The exit sequence; true when the frame may close.
    bool CloseRequested();

    // Opening and closing the one drawing window. The window reads the working file as it opens unless the
    // caller puts the drawing into the list itself.
    void OpenDrawingWindow(bool readWorkingFile = true);
    void CloseDrawingWindow();

private:
    void RegisterCommands();
    void RegisterViewCommands();
    void RegisterHelpCommands();
    void RegisterCustomiseCommands();
    void OpenFirstRecentDrawing();
    bool RunExitSequence();

    AppState& S;
    Ui& U;
    std::unique_ptr<TMDIChild> Child;
    CommandRegistry Commands;
    bool Exiting = false;
    int GuidePos = 3;
    Colorref GuideCol = Rgb(255, 255, 192);
    Colorref FrameTextColour = 0;
    // The start-up timer holds a weak reference, so a program destroyed before it fires is never touched.
    std::shared_ptr<int> AliveToken = std::make_shared<int>(0);
};

} // namespace velmora
