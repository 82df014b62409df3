// The internal-wall tool with real events: the tool button's action, the width dialog closed with its O K
// button, then Enter, an arrow with the length typed into the input box, and Escape, as key events sent to
// the drawing window.
#include "building/internal_wall_tool.h"
#include "qt/frame_fixture.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

namespace velmora {
namespace {

using test::WaitFor;

void SendKey(QWidget* to, int key, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(to, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(to, &release);
}

// Answers the next modal box once it is up: `answer` gets it and returns true when it answered.
void AnswerNextModal(std::function<bool(QWidget*)> answer) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !answer(modal)) return;
        poll->stop();
        poll->deleteLater();
    });
    poll->start(10);
}

bool ClickOk(QWidget* modal) {
    for (auto* b : modal->findChildren<QPushButton*>())
        if (b->text() == "O K") {
            b->click();
            return true;
        }
    return false;
}

bool TypeLength(QWidget* modal, const QString& text) {
    auto* edit = modal->findChild<QLineEdit*>();
    if (!edit) return false;
    edit->selectAll();
    SendKey(edit, Qt::Key_Backspace);
    for (QChar c : text)
        SendKey(edit, c.unicode(), QString(c));
    SendKey(edit, Qt::Key_Return);
    return true;
}

class InternalWallKeys : public test::FrameTest {};

TEST_F(InternalWallKeys, EnterArrowAndEscapeDrawAWallWithItsStopEnds) {
    test::Watchdog watchdog(120);
    StartAndWaitForTheDrawing();
    QWidget* area = Form.DrawingWindow()->Area();
    area->setFocus();
    AnswerNextModal(ClickOk);
    Form.Action("CmIntwallExecute")->trigger();
    ASSERT_TRUE(WaitFor([this] { return Form.Panel(2) == "Internal Wall"; }));
    ASSERT_TRUE(dynamic_cast<TInwallobjtool*>(State.CurrentTool.get()));
    // The middle of the window is the middle of the sample house: free floor, left of its internal wall.
    const QPoint middle(area->width() / 2, area->height() / 2);
    QMouseEvent move(QEvent::MouseMove, QPointF(middle), area->mapToGlobal(QPointF(middle)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(area, &move);
    const int before = State.DrawingObjects.ObjectCount();
    SendKey(area, Qt::Key_Return);
    AnswerNextModal([](QWidget* m) { return TypeLength(m, "1000"); });
    SendKey(area, Qt::Key_Down);
    SendKey(area, Qt::Key_Escape);
    ASSERT_EQ(State.DrawingObjects.ObjectCount(), before + 3);
    const auto* wall = dynamic_cast<const TInwallobj*>(State.DrawingObjects.At(before));
    const auto* start = dynamic_cast<const TInwallobj*>(State.DrawingObjects.At(before + 1));
    const auto* end = dynamic_cast<const TInwallobj*>(State.DrawingObjects.At(before + 2));
    ASSERT_TRUE(wall && start && end);
    EXPECT_EQ(wall->Kind, 150);
    EXPECT_EQ(wall->Y1 - wall->Y2, 1000);
    EXPECT_EQ(wall->Angle, 1800);
    EXPECT_EQ(wall->SecondX1, wall->X1 - 100);
    EXPECT_EQ(start->Kind, 154);
    EXPECT_EQ(end->Kind, 155);
    EXPECT_EQ((Point{end->X1, end->Y1}), (Point{wall->X2, wall->Y2}));
    EXPECT_EQ(Form.Panel(2), "Pick tool");
}

} // namespace
} // namespace velmora
