// The frame fits a 1280 x 720 screen, with a drawing open and without: nothing in it (tool bar, read-out,
// status panels, a long guide line) holds it wider, and at that size the whole status bar is on screen with
// its panels in their proportions. Panel widths were once fixed from the frame's width as a drawing opened,
// so a frame opened on a wide screen could never be narrowed again.
#include "qt/frame_fixture.h"

#include <QLabel>
#include <QToolBar>

namespace velmora {
namespace {

constexpr QSize SmallScreen{1280, 720};

class FrameSize : public test::FrameTest {
protected:
    // The frame at the small screen's size: it takes it, and the status bar is whole inside it.
    void ExpectItFitsTheSmallScreen() {
        EXPECT_LE(Form.minimumSizeHint().width(), SmallScreen.width());
        EXPECT_LE(Form.minimumSizeHint().height(), SmallScreen.height());
        EXPECT_LE(Form.minimumSize().width(), SmallScreen.width());
        EXPECT_LE(Form.minimumSize().height(), SmallScreen.height());
        Form.resize(SmallScreen);
        QApplication::processEvents();
        EXPECT_EQ(Form.size(), SmallScreen);
        const QRect frame = Form.rect();
        QFrame* bar = Form.StatusBar();
        EXPECT_TRUE(bar->isVisible());
        EXPECT_TRUE(frame.contains(QRect(bar->mapTo(&Form, QPoint(0, 0)), bar->size())));
        for (int i = 0; i < 3; ++i) {
            QLabel* panel = Form.PanelLabel(i);
            SCOPED_TRACE(i);
            EXPECT_TRUE(panel->isVisible());
            EXPECT_GT(panel->width(), 0);
            EXPECT_TRUE(bar->rect().contains(panel->geometry()));
        }
    }
    int PanelWidth(int i) const { return Form.PanelLabel(i)->width(); }
};

TEST_F(FrameSize, TheEmptyFrameFitsASmallScreenWithItsPanelsAtTheirWidths) {
    StartWithoutADrawing();
    Form.SetPanel(0, std::string(400, 'W')); // a guide line longer than the screen is wide
    ExpectItFitsTheSmallScreen();
    EXPECT_EQ(PanelWidth(0), 600);
    EXPECT_EQ(PanelWidth(1), 90);
    EXPECT_GE(PanelWidth(2), 50);
    // Narrower still, the panels give way rather than the bar being cut off.
    Form.resize(500, 400);
    QApplication::processEvents();
    EXPECT_EQ(Form.width(), 500);
    EXPECT_LE(Form.PanelLabel(2)->geometry().right(), Form.StatusBar()->width());
}

TEST_F(FrameSize, AFrameOpenedWideCanBeNarrowedToASmallScreenWithADrawingOpen) {
    Form.resize(2400, 1000);
    StartAndWaitForTheDrawing();
    Form.SetPanel(0, std::string(400, 'W'));
    ExpectItFitsTheSmallScreen();
    // The drawing's panels share the bar 8 : 1 : 1 at any width.
    const int room = PanelWidth(0) + PanelWidth(1) + PanelWidth(2);
    EXPECT_NEAR(PanelWidth(0), room * 8 / 10, 2);
    EXPECT_NEAR(PanelWidth(1), room / 10, 2);
    EXPECT_NEAR(PanelWidth(2), room / 10, 2);
    // The tool bar that no longer fits has its extension, not a wider frame.
    EXPECT_LE(Form.ToolBar()->width(), SmallScreen.width());
}

// On a frame 1000 pixels wide the scale panel's tenth of the bar was too narrow for " pixel = 25 mm.": the
// short panels read whole, and the guide line gives way.
TEST_F(FrameSize, TheScaleAndToolPanelsReadWholeOnANarrowFrame) {
    Form.resize(1000, 700);
    StartAndWaitForTheDrawing();
    Form.SetPanel(0, std::string(400, 'W'));
    QApplication::processEvents();
    for (int i = 1; i < 3; ++i) {
        QLabel* panel = Form.PanelLabel(i);
        SCOPED_TRACE(panel->text().toStdString());
        ASSERT_FALSE(panel->text().isEmpty());
        EXPECT_GE(panel->contentsRect().width(), panel->fontMetrics().horizontalAdvance(panel->text()));
    }
    EXPECT_GT(PanelWidth(0), PanelWidth(1) + PanelWidth(2));
}

} // namespace
} // namespace velmora
