#include "app/program.h"

#include "app/help_pages.h"
#include "app/menu_table.h"
#include "app/wizard_sequence.h"
#include "tools/drawing_tool.h"
#include "view/drawing_window.h"

namespace velmora {

Program::Program(AppState& state, Ui& ui) : S(state), U(ui) {
    RegisterCommands();
}

Program::~Program() = default;

bool Program::CommandEnabled(std::string_view handler) const {
    return IsBuiltHandler(handler) && Commands.Contains(handler);
}

bool Program::RunCommand(std::string_view handler) {
    if (!CommandEnabled(handler)) return false;
    ConcludeWizard(S, U);
    (*Commands.Find(handler))();
    return true;
}

void Program::MouseDown(MouseButton button, Point p) {
    if (Child) Child->OnMouseDown(button, p);
}

void Program::MouseUp(MouseButton button, Point p) {
    if (Child) Child->OnMouseUp(button, p);
}

void Program::MouseMove(Point p, bool leftHeld) {
    if (Child) Child->OnMouseMove(p, leftHeld);
}

// F1 is the frame's: it shows the help page of the last command whatever the window's tool is doing, and
// without a drawing it says why there is no context yet.
void Program::KeyDown(const KeyEvent& key) {
    if (key.Code == Key::F1) {
        if (Child) {
            ShowContextHelp(S, U);
        } else {
            CmContextExecute(S, U);
        }
        return;
    }
    if (Child) Child->OnKeyDown(key);
}

void Program::KeyPress(char c) {
    if (Child) Child->OnKeyPress(c);
}

void Program::KeyUp(const KeyEvent& key) {
    if (Child) Child->OnKeyUp(key);
}

void Program::Paint(Canvas& canvas, std::optional<Rect> clip) {
    if (Child) Child->OnPaint(canvas, clip);
}

void Program::Resized(Size client) {
    if (Child) Child->OnResize(client);
}

void Program::Scrolled(bool vertical, ScrollRequest request, int thumbPos) {
    if (Child) Child->OnScroll(vertical, request, thumbPos);
}

void Program::Wheeled(bool vertical, int notches) {
    if (Child) Child->OnWheel(vertical, notches);
}

void Program::WheelZoomed(Point px, bool enlarge) {
    if (Child) Child->OnWheelZoom(px, enlarge);
}

void Program::Panned(Point delta) {
    if (Child) Child->OnPan(delta);
}

void Program::OpenDrawingWindow(bool readWorkingFile) {
    CloseDrawingWindow();
    U.OpenDrawingWindow(S.WindowTitle);
    Child = std::make_unique<TMDIChild>(S, U, readWorkingFile);
}

void Program::CloseDrawingWindow() {
    Child.reset();
    if (U.HasDrawingWindow()) U.CloseDrawingWindow();
}

} // namespace velmora
