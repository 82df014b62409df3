// The running program without its windows: the state, the installed tool, the drawing window's logic and
// every menu command, driven by events (a menu command, the mouse at a pixel, a key) and answering through
// the Ui. The Qt front end and session scripts drive the same object.
#pragma once

#include "app/app_state.h"
#include "platform/canvas.h"
#include "platform/keys.h"
#include "platform/ui.h"

#include <memory>
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

    // Drawing window events: client pixels, y down.
    void MouseDown(MouseButton button, Point p);
    void MouseUp(MouseButton button, Point p);
    void MouseMove(Point p, bool leftHeld);
    void KeyDown(const KeyEvent& key);
    void KeyPress(char c);
    void Paint(Canvas& canvas, std::optional<Rect> clip);
    void Resized(Size client);
    void Scrolled(bool vertical, ScrollRequest request, int thumbPos);
    // The exit sequence; true when the frame may close.
    bool CloseRequested();

    // Opening and closing the one drawing window.
    void OpenDrawingWindow();
    void CloseDrawingWindow();

private:
    AppState& S;
    Ui& U;
    std::unique_ptr<TMDIChild> Child;
};

} // namespace velmora
