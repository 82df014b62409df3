// The drawing window's logic, without the widget: what it paints and in which order, the cursor read-out and
// its datum, the zoom and scroll state, and the routing of mouse and keyboard events to the installed tool.
#pragma once

#include "app/app_state.h"
#include "platform/canvas.h"
#include "platform/keys.h"
#include "platform/ui.h"

#include <optional>

namespace velmora {

enum class MouseButton;
enum class ScrollRequest;

class TMDIChild {
public:
    TMDIChild(AppState& state, Ui& ui);

    // Read-out reference point and mode.
    int RefX = 0, RefY = 0;
    int PressX = 0, PressY = 0;
    int VScrollRange = 0;
    Point ZoomRect[2]{};
    int ReadoutMode = 1;
    int ResumeToolKind = 21;
    int TextEntryOpen = 0;
    Point OrgAtPress{};

    // Events from the front end.
    void OnPaint(Canvas& canvas, std::optional<Rect> clip);
    void OnMouseDown(MouseButton button, Point px);
    void OnMouseUp(MouseButton button, Point px);
    void OnMouseMove(Point px, bool leftHeld);
    void OnKeyDown(const KeyEvent& key);
    void OnKeyPress(char c);
    void OnResize(Size client);
    void OnScroll(bool vertical, ScrollRequest request, int thumbPos);

    // View set-up and the zoom commands.
    void SetupView(int reason);
    void CentreOnSheet(bool repaint);
    void ZoomCommand(int kind); // 2 Back to Normal, 3 Shrink to Half, 4 Fit Walls on Screen
    void ZoomUpCommand();
    void ScaleDrawingCommand();
    void DatumCommand();
    void CentreOfLineCommand();
    void CentreOfRectCommand();

private:
    AppState& S;
    Ui& U;
};

} // namespace velmora
