// The wheel and the middle button on the real drawing window, with real Qt events: the wheel scrolls by a
// step a user can travel with and never jumps, Shift turns it sideways, Ctrl zooms through the zoom steps
// keeping the point under the pointer, the middle button drags the view, and Zoom Up shows its rectangle.
#include "model/object_list.h"
#include "qt/frame_fixture.h"
#include "tools/drawing_tool.h"
#include "view/view_mapping.h"

#include <QAction>
#include <QMouseEvent>
#include <QWheelEvent>

namespace velmora {
namespace {

class WheelTest : public test::FrameTest {
protected:
    void SetUp() override {
        test::FrameTest::SetUp();
        StartAndWaitForTheDrawing();
        Window = Form.DrawingWindow();
        Area = Window->Area();
    }
    void Wheel(QPoint at, QPoint angle, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QWheelEvent e(QPointF(at), Area->mapToGlobal(QPointF(at)), QPoint(), angle, Qt::NoButton, mods,
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(Area, &e);
    }
    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent e(type, QPointF(at), Area->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
        QApplication::sendEvent(Area, &e);
    }
    Point Origin() const { return {State.ViewOrgX, State.ViewOrgY}; }
    // The logical point under a pixel, as the core maps it.
    Point LogicalAt(QPoint px) const {
        const Size c = Window->ClientSize();
        return PixelToLogical(ViewMappingFor({State.ViewOrgX, State.ViewOrgY, State.ViewExtX, State.ViewExtY},
                                             c.Width, c.Height),
                              px.x(), px.y());
    }

    TMDIChildWidget* Window = nullptr;
    QWidget* Area = nullptr;
};

TEST_F(WheelTest, TheWheelScrollsFiftyPixelsANotchAndShiftTurnsItSideways) {
    struct Case {
        QPoint Angle;
        Qt::KeyboardModifiers Mods;
        Point Moved; // logical units, at 5 a pixel
    } cases[] = {
        {{0, -120}, Qt::NoModifier, {0, -250}}, // down: the view shows what lies below
        {{0, 120}, Qt::NoModifier, {0, 250}},   {{0, -120}, Qt::ShiftModifier, {250, 0}}, // Shift: sideways
        {{-120, 0}, Qt::NoModifier, {250, 0}}, // a wheel that turns sideways itself
        {{0, -60}, Qt::NoModifier, {0, 0}},    // half a notch waits for its other half
        {{0, -60}, Qt::NoModifier, {0, -250}},
    };
    for (const Case& c : cases) {
        const Point before = Origin();
        Wheel({300, 300}, c.Angle, c.Mods);
        EXPECT_EQ(Origin().X - before.X, c.Moved.X) << c.Angle.x() << "," << c.Angle.y();
        EXPECT_EQ(Origin().Y - before.Y, c.Moved.Y) << c.Angle.x() << "," << c.Angle.y();
    }
}

// The site plan shows a sheet narrower than the window at its scale: its view is centred with a negative
// scroll position, which the first notch used to clamp, jumping the view sideways by the whole margin.
TEST_F(WheelTest, TheFirstNotchOnASheetSmallerThanTheWindowMovesOnlyOneStep) {
    test::WriteFile(Home.Path / "CFG" / "SCALEVIEWM.CFG", "5.000000 40.000000");
    test::WriteFile(Home.Path / "CFG" / "ZOOMSTYLE.CFG", "1"); // the site plan keeps its own scale
    Form.Action("CmSiteExecute")->trigger();
    ASSERT_TRUE(test::WaitFor([this] { return State.CurrentView == ViewSite; }));
    Window = Form.DrawingWindow();
    Area = Window->Area();
    ASSERT_LT(Window->Scroll().HPos, 0) << "the sheet is meant to be narrower than the window";
    const Point before = Origin();
    const float z = State.ZoomFactor;
    Wheel({300, 300}, {0, -120});
    EXPECT_EQ(Origin().X, before.X);
    // The centred origin and the one the positions give may differ by the rounding of a pixel or two.
    EXPECT_NEAR(Origin().Y - before.Y, -50 * z, 2 * z);
}

TEST_F(WheelTest, CtrlWheelZoomsThroughTheStepsAboutThePointer) {
    const QPoint at(250, 180);
    const Point under = LogicalAt(at);
    const float steps[] = {4, 3, 2, 1, 1}; // enlarging stops at one logical unit a pixel
    for (float z : steps) {
        Wheel(at, {0, 120}, Qt::ControlModifier);
        EXPECT_EQ(State.ZoomFactor, z);
        const Point now = LogicalAt(at);
        EXPECT_NEAR(now.X, under.X, 5); // within a pixel of the normal size, whatever the steps round
        EXPECT_NEAR(now.Y, under.Y, 5);
    }
    EXPECT_EQ(Form.Panel(1), " pixel = 5 mm.");
    for (float z : {2.0f, 3.0f}) {
        Wheel(at, {0, -120}, Qt::ControlModifier);
        EXPECT_EQ(State.ZoomFactor, z);
    }
}

TEST_F(WheelTest, TheMiddleButtonDragsTheViewWithThePointer) {
    const Point before = Origin();
    const int mode = State.CurrentTool->Mode;
    Mouse(QEvent::MouseButtonPress, {400, 300}, Qt::MiddleButton, Qt::MiddleButton);
    Mouse(QEvent::MouseMove, {380, 310}, Qt::NoButton, Qt::MiddleButton);
    Mouse(QEvent::MouseMove, {360, 320}, Qt::NoButton, Qt::MiddleButton);
    Mouse(QEvent::MouseButtonRelease, {360, 320}, Qt::MiddleButton, Qt::NoButton);
    // Dragged 40 pixels left and 20 down: the view's origin moves 40 right and 20 up (5 a pixel).
    EXPECT_EQ(Origin().X - before.X, 200);
    EXPECT_EQ(Origin().Y - before.Y, 100);
    EXPECT_EQ(State.CurrentTool->Mode, mode);
}

// With the default colours (black on white) the rectangle used to be XOR-drawn in black, which changes
// nothing.
TEST_F(WheelTest, TheZoomUpDragShowsItsRectangle) {
    Form.Action("CmZoomupExecute")->trigger();
    QApplication::processEvents();
    Mouse(QEvent::MouseButtonPress, {100, 100}, Qt::LeftButton, Qt::LeftButton);
    Mouse(QEvent::MouseMove, {200, 160}, Qt::NoButton, Qt::LeftButton);
    const QImage& image = Window->Backing().GetImage();
    const int r = static_cast<int>(Window->Backing().PixelRatio()); // device pixels per window pixel
    int dark = 0;
    for (int x = 100; x < 200; ++x)
        dark += qGray(image.pixel(x * r, 100 * r)) < 128;
    EXPECT_GT(dark, 30) << "the rectangle's top edge is not on the picture";
    Mouse(QEvent::MouseButtonRelease, {200, 160}, Qt::LeftButton, Qt::NoButton);
    EXPECT_LT(State.ZoomFactor, 5.0f);
}

} // namespace
} // namespace velmora
