// The drawing window on screen: the client area that shows the backing image, and the two scroll bars. Every
// mouse, key, resize and scroll event goes to the Program; the picture is painted by the Program's paint
// handler into the backing image, and tools draw their rubber bands straight into that image.
#pragma once

#include "app/program.h"
#include "platform/ui.h"
#include "qt/backing_image.h"

#include <QWidget>

#include <functional>
#include <optional>

class QKeyEvent;
class QScrollBar;

namespace velmora {

class TMDIChildWidget;

// The client area: the widget the user draws in.
class DrawingArea : public QWidget {
    Q_OBJECT
public:
    explicit DrawingArea(TMDIChildWidget& window);

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    // Tab is a key of the drawing, not a move to the next widget.
    bool focusNextPrevChild(bool) override { return false; }

private:
    TMDIChildWidget& Window;
    std::optional<Point> PanFrom; // where the middle-button drag was last
    int WheelTurn = 0;            // the part of a notch not yet scrolled
};

class TMDIChildWidget : public QWidget {
    Q_OBJECT
public:
    // Runs an event's work for the Program: the frame wraps it so that a failure is shown, not fatal, and
    // so that an exit the work asked for closes the frame.
    using Dispatcher = std::function<void(const std::function<void()>&)>;

    explicit TMDIChildWidget(QWidget* parent = nullptr);

    // The Program the events go to; nothing detaches the window (it is closing).
    void Attach(Program* program, Dispatcher dispatch);
    Program* AttachedProgram() const { return Prog; }

    DrawingArea* Area() const { return Client; }
    QScrollBar* HorizontalBar() const { return HBar; }
    QScrollBar* VerticalBar() const { return VBar; }
    BackingImage& Backing() { return Picture; }
    // The client area at its own pixel size, whatever the screen's scale (exported pictures).
    QImage ClientPicture() const;

    // The Ui's side of the window.
    Size ClientSize() const;
    Canvas* GetCanvas() { return Picture.GetCanvas(); }
    void Invalidate(std::optional<Rect> pixels);
    void UpdateNow();
    std::optional<Rect> InvalidArea() const { return Invalid; }
    // The bars show the state clamped to their ranges, but the core reads back exactly what it set: a view
    // centred in a window wider than the sheet has a negative position, and its origin depends on it.
    void SetScroll(const ScrollState& s);
    ScrollState Scroll() const;
    void SetBackground(Colorref c);
    Point CursorPos() const { return Cursor; }
    // Moves the core's cursor and the real pointer with it.
    void SetCursorPos(Point p);

    // Events of the client area.
    void AreaResized(Size s);
    void AreaPainted();
    void MouseDown(MouseButton b, Point p);
    void MouseUp(MouseButton b, Point p);
    void MouseMoved(Point p, bool leftHeld);
    void KeyPressed(const KeyEvent& key);
    // Hands a Qt key to the Program when it is a key of the drawing; false for any other key (a menu's),
    // which the caller passes on. Nothing here sends an event, so a key can never come back round.
    bool TakeKey(const QKeyEvent& e);
    // The key let go: the Program hears the last release of a held key, not the releases of its repeats.
    bool TakeKeyRelease(const QKeyEvent& e);
    void ScrollRequested(bool vertical, ScrollRequest request, int thumbPos);
    void Wheeled(bool vertical, int notches);
    void WheelZoomed(Point px, bool enlarge);
    void Panned(Point delta);

private:
    void Run(const std::function<void(Program&)>& work);
    void RepaintInvalid();
    void ConnectBar(QScrollBar* bar, bool vertical);

    DrawingArea* Client;
    QScrollBar* HBar;
    QScrollBar* VBar;
    BackingImage Picture;
    std::optional<Rect> Invalid;
    ScrollState State;
    Point Cursor;
    Program* Prog = nullptr;
    Dispatcher Dispatch;
};

} // namespace velmora
