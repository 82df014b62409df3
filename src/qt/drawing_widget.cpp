#include "qt/drawing_widget.h"

#include "qt/key_mapping.h"

#include <QCursor>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cstdlib>

namespace velmora {

namespace {

// The scroll bars step a pixel a line and 20 a page, as the window was designed with; the core decides the
// real steps from the drawing's units.
constexpr int BarLine = 1, BarPage = 20;
// One notch of a wheel, in the eighths of a degree Qt reports; finer wheels and touchpads send parts of it.
constexpr int WheelNotch = 120;

Rect Union(const Rect& a, const Rect& b) {
    return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
            std::max(a.Bottom, b.Bottom)};
}

Point PointOf(const QPointF& p) {
    return {static_cast<int>(p.x()), static_cast<int>(p.y())};
}

std::optional<MouseButton> ButtonOf(Qt::MouseButton b) {
    if (b == Qt::LeftButton) return MouseButton::Left;
    if (b == Qt::RightButton) return MouseButton::Right;
    return std::nullopt;
}

} // namespace

DrawingArea::DrawingArea(TMDIChildWidget& window) : QWidget(&window), Window(window) {
    setObjectName("DrawingArea");
    setCursor(Qt::CrossCursor);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(1, 1);
}

void DrawingArea::paintEvent(QPaintEvent*) {
    Window.AreaPainted();
}

void DrawingArea::resizeEvent(QResizeEvent* e) {
    Window.AreaResized({e->size().width(), e->size().height()});
}

void DrawingArea::mousePressEvent(QMouseEvent* e) {
    setFocus();
    if (e->button() == Qt::MiddleButton) {
        PanFrom = PointOf(e->position());
        setCursor(Qt::ClosedHandCursor);
        return;
    }
    if (const auto b = ButtonOf(e->button())) Window.MouseDown(*b, PointOf(e->position()));
}

void DrawingArea::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::MiddleButton) {
        PanFrom.reset();
        setCursor(Qt::CrossCursor);
        return;
    }
    if (const auto b = ButtonOf(e->button())) Window.MouseUp(*b, PointOf(e->position()));
}

// While the middle button is held the view follows the pointer; the tools hear nothing of it.
void DrawingArea::mouseMoveEvent(QMouseEvent* e) {
    const Point p = PointOf(e->position());
    if (PanFrom) {
        Window.Panned({p.X - PanFrom->X, p.Y - PanFrom->Y});
        PanFrom = p;
        return;
    }
    Window.MouseMoved(p, e->buttons().testFlag(Qt::LeftButton));
}

// Whole notches go to the core, the rest waits for the next event of the same turn. Shift turns the wheel
// sideways (some systems already send that as a horizontal turn), Ctrl zooms about the pointer.
void DrawingArea::wheelEvent(QWheelEvent* e) {
    const QPoint delta = e->angleDelta();
    const bool zoom = e->modifiers().testFlag(Qt::ControlModifier);
    const bool sideways = delta.x() != 0 || e->modifiers().testFlag(Qt::ShiftModifier);
    WheelTurn += delta.x() != 0 ? delta.x() : delta.y();
    const int notches = WheelTurn / WheelNotch;
    WheelTurn -= notches * WheelNotch;
    e->accept();
    if (notches == 0) return;
    if (zoom) {
        for (int i = 0; i < std::abs(notches); ++i)
            Window.WheelZoomed(PointOf(e->position()), notches > 0);
    } else {
        Window.Wheeled(!sideways, notches);
    }
}

// A key that is not the drawing's goes on to the frame, whose menus it may belong to.
void DrawingArea::keyPressEvent(QKeyEvent* e) {
    if (!Window.TakeKey(*e)) e->ignore();
}

void DrawingArea::keyReleaseEvent(QKeyEvent* e) {
    if (!Window.TakeKeyRelease(*e)) e->ignore();
}

TMDIChildWidget::TMDIChildWidget(QWidget* parent)
    : QWidget(parent), Client(new DrawingArea(*this)), HBar(new QScrollBar(Qt::Horizontal, this)),
      VBar(new QScrollBar(Qt::Vertical, this)) {
    setObjectName("TMDIChild");
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    grid->addWidget(Client, 0, 0);
    grid->addWidget(VBar, 0, 1);
    grid->addWidget(HBar, 1, 0);
    ConnectBar(HBar, false);
    ConnectBar(VBar, true);
    SetScroll({});
}

void TMDIChildWidget::Attach(Program* program, Dispatcher dispatch) {
    Prog = program;
    Dispatch = std::move(dispatch);
}

void TMDIChildWidget::ConnectBar(QScrollBar* bar, bool vertical) {
    bar->setSingleStep(BarLine);
    bar->setPageStep(BarPage);
    // The core owns the positions: it hears the request and sets the bar itself (SetScroll), which the bar
    // then keeps, because setValue inside actionTriggered moves the position the action ends on.
    connect(bar, &QScrollBar::actionTriggered, this, [this, bar, vertical](int action) {
        switch (action) {
        case QAbstractSlider::SliderSingleStepSub:
            ScrollRequested(vertical, ScrollRequest::LineUp, 0);
            break;
        case QAbstractSlider::SliderSingleStepAdd:
            ScrollRequested(vertical, ScrollRequest::LineDown, 0);
            break;
        case QAbstractSlider::SliderPageStepSub:
            ScrollRequested(vertical, ScrollRequest::PageUp, 0);
            break;
        case QAbstractSlider::SliderPageStepAdd:
            ScrollRequested(vertical, ScrollRequest::PageDown, 0);
            break;
        case QAbstractSlider::SliderMove:
            ScrollRequested(vertical, ScrollRequest::ThumbTrack, bar->sliderPosition());
            break;
        case QAbstractSlider::SliderToMinimum:
        case QAbstractSlider::SliderToMaximum:
            ScrollRequested(vertical, ScrollRequest::ThumbPosition, bar->sliderPosition());
            break;
        default:
            break;
        }
    });
    connect(bar, &QScrollBar::sliderReleased, this,
            [this, bar, vertical] { ScrollRequested(vertical, ScrollRequest::ThumbPosition, bar->value()); });
}

Size TMDIChildWidget::ClientSize() const {
    return {Client->width(), Client->height()};
}

void TMDIChildWidget::Invalidate(std::optional<Rect> pixels) {
    const Size c = ClientSize();
    const Rect r = pixels.value_or(Rect{0, 0, c.Width, c.Height});
    if (r.Width() <= 0 || r.Height() <= 0) return;
    Invalid = Invalid ? Union(*Invalid, r) : r;
    Client->update();
}

void TMDIChildWidget::RepaintInvalid() {
    if (!Invalid) return;
    const Rect r = *Invalid;
    Invalid.reset(); // painting may invalidate again; that is the next paint's business
    Picture.Repaint(r, [this](Canvas& c, const Rect& clip) {
        if (Prog) Prog->Paint(c, clip);
    });
}

void TMDIChildWidget::UpdateNow() {
    RepaintInvalid();
    Client->update();
}

// The picture follows the screen's scale: a window moved to a screen of another scale, or a scale changed
// while it runs, gets a picture of the new ratio, painted afresh.
void TMDIChildWidget::AreaPainted() {
    if (Picture.PixelRatio() != Client->devicePixelRatioF()) {
        Picture.SetPixelRatio(Client->devicePixelRatioF());
        Invalidate(std::nullopt);
    }
    RepaintInvalid();
    QPainter p(Client);
    // Device pixel for device pixel: the image is the client's size times the ratio.
    const Size s = Picture.GetSize();
    p.drawImage(QRect(0, 0, s.Width, s.Height), Picture.GetImage());
}

QImage TMDIChildWidget::ClientPicture() const {
    return Picture.ClientPicture([this](Canvas& c, const Rect& clip) {
        if (Prog) Prog->Paint(c, clip);
    });
}

void TMDIChildWidget::AreaResized(Size s) {
    if (Picture.GetSize() == s && Picture.PixelRatio() == Client->devicePixelRatioF()) return;
    if (Picture.PixelRatio() != Client->devicePixelRatioF())
        Picture.SetPixelRatio(Client->devicePixelRatioF());
    Picture.Resize(s);
    Invalidate(std::nullopt);
    Run([s](Program& p) { p.Resized(s); });
}

void TMDIChildWidget::SetScroll(const ScrollState& s) {
    State = s;
    HBar->setRange(0, std::max(0, s.HRange));
    VBar->setRange(0, std::max(0, s.VRange));
    HBar->setValue(s.HPos);
    VBar->setValue(s.VPos);
}

ScrollState TMDIChildWidget::Scroll() const {
    return State;
}

void TMDIChildWidget::SetBackground(Colorref c) {
    if (c == Picture.GetBackground()) return;
    Picture.SetBackground(c);
    Invalidate(std::nullopt);
}

void TMDIChildWidget::SetCursorPos(Point p) {
    Cursor = p;
    if (Client->isVisible()) QCursor::setPos(Client->mapToGlobal(QPoint(p.X, p.Y)));
}

void TMDIChildWidget::Run(const std::function<void(Program&)>& work) {
    if (!Prog) return;
    Program* program = Prog;
    auto call = [program, &work] { work(*program); };
    if (Dispatch)
        Dispatch(call);
    else
        call();
    // Tools draw straight into the picture; show what they drew.
    Client->update();
}

void TMDIChildWidget::MouseDown(MouseButton b, Point p) {
    Cursor = p;
    Run([b, p](Program& prog) { prog.MouseDown(b, p); });
}

void TMDIChildWidget::MouseUp(MouseButton b, Point p) {
    Cursor = p;
    Run([b, p](Program& prog) { prog.MouseUp(b, p); });
}

void TMDIChildWidget::MouseMoved(Point p, bool leftHeld) {
    Cursor = p;
    Run([p, leftHeld](Program& prog) { prog.MouseMove(p, leftHeld); });
}

bool TMDIChildWidget::TakeKey(const QKeyEvent& e) {
    const auto key = KeyEventFromQt(e.key(), e.modifiers(), e.text());
    if (key) KeyPressed(*key);
    return key.has_value();
}

bool TMDIChildWidget::TakeKeyRelease(const QKeyEvent& e) {
    const auto key = KeyEventFromQt(e.key(), e.modifiers(), e.text());
    if (!key) return false;
    if (!e.isAutoRepeat()) Run([k = *key](Program& prog) { prog.KeyUp(k); });
    return true;
}

void TMDIChildWidget::KeyPressed(const KeyEvent& key) {
    Run([key](Program& prog) {
        prog.KeyDown(key);
        if (const auto c = TypedCharacter(key)) prog.KeyPress(*c);
    });
}

void TMDIChildWidget::ScrollRequested(bool vertical, ScrollRequest request, int thumbPos) {
    Run([=](Program& prog) { prog.Scrolled(vertical, request, thumbPos); });
}

void TMDIChildWidget::Wheeled(bool vertical, int notches) {
    Run([=](Program& prog) { prog.Wheeled(vertical, notches); });
}

void TMDIChildWidget::WheelZoomed(Point px, bool enlarge) {
    Run([=](Program& prog) { prog.WheelZoomed(px, enlarge); });
}

void TMDIChildWidget::Panned(Point delta) {
    Run([=](Program& prog) { prog.Panned(delta); });
}

} // namespace velmora
