// Marking the external walls round a layout in the real window: the erase question and the wall type are
// answered in the real boxes, the pointer is moved onto each corner and Return marks it, F closes the chain,
// and the ground floor is made from the marks and the rooms.
#include "app/program.h"
#include "model/drawing_objects.h"
#include "model/object_list.h"
#include "qt/frame_fixture.h"
#include "qt/main_form.h"
#include "qt/qt_ui.h"
#include "support/test_support.h"
#include "tools/drawing_tool.h"
#include "tools/line_tool.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <memory>

namespace velmora {
namespace {

// Yes to a question, Return (the default button) to any other box.
void AnswerYesOrReturn(QWidget* modal) {
    if (auto* box = qobject_cast<QMessageBox*>(modal); box && box->button(QMessageBox::Yes)) {
        box->button(QMessageBox::Yes)->click();
        return;
    }
    QTest::keyClick(modal, Qt::Key_Return);
}

class LayoutMarkingKeysTest : public test::FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        StartAndWaitForTheDrawing();
        if (HasFatalFailure()) return;
        Area = Form.DrawingWindow()->Area();
        Area->setFocus();
        // Two layout rooms side by side in place of the sample house; the window shows the layout view.
        State.DrawingObjects.RemoveFrom(FloorRecordCount, [](const TObj&) { return true; });
        for (int i = 0; i < 2; ++i) {
            auto room = std::make_unique<TRoomobj>();
            room->View = ViewLayout;
            room->Highlight = room->Aux = 10001 + i;
            room->X1 = 40000 + i * 3100, room->Y1 = 34000, room->X2 = 43000 + i * 3100, room->Y2 = 30000;
            room->RoomWidth = 3000, room->RoomLength = 4000;
            room->SetRoomName(i == 0 ? "Bed 1" : "Bed 2");
            State.DrawingObjects.Append(std::move(room));
        }
        State.CurrentView = ViewLayout;
    }

    void MoveTo(QPoint at) {
        QMouseEvent e(QEvent::MouseMove, QPointF(at), Area->mapToGlobal(QPointF(at)), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(Area, &e);
    }
    int CountOf(int kind, int view) const {
        int n = 0;
        for (const auto& o : State.DrawingObjects)
            if (o->Kind == kind && o->View == view) ++n;
        return n;
    }

    QWidget* Area = nullptr;
};

TEST_F(LayoutMarkingKeysTest, ReturnOnEachCornerAndFMakeTheGroundFloor) {
    test::ModalWatcher boxes(AnswerYesOrReturn);
    Form.Action("CmExtwallExecute")->trigger();
    ASSERT_TRUE(test::WaitFor([this] { return State.CurrentView == ViewLayoutMarking; }));
    ASSERT_EQ(State.CurrentTool->Mode, ModeConstruction);
    EXPECT_EQ(Form.Panel(0), "press Enter on each corner - CLOCKWISE, use ARROW KEYS to finetune position");
    const QPoint corners[] = {{200, 150}, {600, 150}, {600, 450}, {200, 450}};
    for (QPoint c : corners) {
        MoveTo(c);
        QTest::keyClick(Area, Qt::Key_Return);
    }
    EXPECT_EQ(CountOf(11, ViewLayoutMarking), 3);
    QTest::keyClick(Area, Qt::Key_F, Qt::NoModifier);
    ASSERT_TRUE(test::WaitFor([this] { return State.CurrentView == ViewGround; }));
    EXPECT_EQ(CountOf(11, ViewLayoutMarking), 0) << "the marks went";
    EXPECT_EQ(CountOf(100, ViewGround), 4);
    EXPECT_EQ(CountOf(29500, ViewGround), 2);
    EXPECT_EQ(CountOf(29000, ViewLayout), 0);
    EXPECT_GE(CountOf(150, ViewGround), 4) << "the rooms stand inside the marks as partitions";
    EXPECT_EQ(CountOf(36, ViewGround), 2) << "one name label a room";
    EXPECT_EQ(State.WindowTitle.substr(State.WindowTitle.size() - 4), ".PLN");
    ASSERT_FALSE(boxes.Seen.empty());
    EXPECT_NE(boxes.Seen.back().find("Total Building Area this floor"), std::string::npos);
}

} // namespace
} // namespace velmora
