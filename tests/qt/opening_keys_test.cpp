// The window tool with real events: the tool button's action, the window dialog closed with its O K
// button, a mouse move onto the sample house's top wall and Enter as a key event sent to the drawing window.
#include "building/opening_tool.h"
#include "qt/frame_fixture.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>

namespace velmora {
namespace {

using test::WaitFor;

void SendKey(QWidget* to, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(to, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(to, &release);
}

// Presses O K on the next modal box once it is up.
void OkNextModal() {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        for (auto* b : modal->findChildren<QPushButton*>())
            if (b->text() == "O K") {
                poll->stop();
                poll->deleteLater();
                b->click();
                return;
            }
    });
    poll->start(10);
}

void MoveTo(QWidget* area, QPoint p) {
    QMouseEvent move(QEvent::MouseMove, QPointF(p), area->mapToGlobal(QPointF(p)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(area, &move);
}

class OpeningKeys : public test::FrameTest {};

TEST_F(OpeningKeys, EnterOnTheTopWallSetsAWindowIntoIt) {
    test::Watchdog watchdog(120);
    StartAndWaitForTheDrawing();
    QWidget* area = Form.DrawingWindow()->Area();
    area->setFocus();
    OkNextModal();
    Form.Action("CmWindowExecute")->trigger();
    ASSERT_TRUE(WaitFor([this] { return Form.Panel(2) == " Window"; }));
    auto* tool = dynamic_cast<TWindowobjtool*>(State.CurrentTool.get());
    ASSERT_TRUE(tool);
    // The middle of the window is the middle of the sample house (y 6250); its top wall's lines lie 3725 to
    // 4000 mm above, 149 to 160 pixels at 25 mm a pixel.
    const QPoint middle(area->width() / 2, area->height() / 2);
    const int before = State.DrawingObjects.ObjectCount();
    MoveTo(area, middle - QPoint(0, 200)); // above the house: refused
    bool refused = false;
    auto* poll = new QTimer(area);
    QObject::connect(poll, &QTimer::timeout, [&refused, poll] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        refused = modal->windowTitle() == "Marking Error";
        for (auto* b : modal->findChildren<QPushButton*>()) {
            poll->stop();
            b->click();
            return;
        }
    });
    poll->start(10);
    SendKey(area, Qt::Key_Return);
    EXPECT_TRUE(refused);
    EXPECT_EQ(State.DrawingObjects.ObjectCount(), before);
    MoveTo(area, middle - QPoint(0, 155));
    SendKey(area, Qt::Key_Return);
    ASSERT_TRUE(tool->Placed);
    ASSERT_GT(State.DrawingObjects.ObjectCount(), before);
    const TObj* mask = State.DrawingObjects.At(before);
    EXPECT_EQ(mask->Kind, 2000);
    EXPECT_EQ(mask->Aux, tool->OpeningNumber);
    EXPECT_EQ(tool->WallKindHit, WallKindExternal);
    // The top wall, and the window centred on its outer line.
    const TObj* wall = State.DrawingObjects.At(tool->WallHit);
    EXPECT_EQ(wall->Kind, 100);
    EXPECT_EQ(wall->Y1, wall->Y2);
    EXPECT_EQ(tool->AnchorY, wall->Y1);
    EXPECT_EQ(mask->Highlight, wall->Highlight);
    EXPECT_EQ(Form.Panel(2), " Window");
}

} // namespace
} // namespace velmora
