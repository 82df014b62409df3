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

#include <algorithm>
#include <memory>
#include <tuple>
#include <vector>

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

    void Click(QPoint at) {
        for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent e(type, QPointF(at), Area->mapToGlobal(QPointF(at)), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(Area, &e);
        }
        QApplication::processEvents();
    }
    void MarkTheFourCorners() {
        Form.Action("CmExtwallExecute")->trigger();
        ASSERT_TRUE(test::WaitFor([this] { return State.CurrentView == ViewLayoutMarking; }));
        for (QPoint c : {QPoint{200, 150}, QPoint{600, 150}, QPoint{600, 450}, QPoint{200, 450}}) {
            MoveTo(c);
            QTest::keyClick(Area, Qt::Key_Return);
        }
        QTest::keyClick(Area, Qt::Key_F, Qt::NoModifier);
        ASSERT_TRUE(test::WaitFor([this] { return State.CurrentView == ViewGround; }));
    }
    // The partitions of the ground floor with their numbers, in one order whatever the list's.
    std::vector<std::tuple<int, int, int, int, int, int>> Partitions() const {
        std::vector<std::tuple<int, int, int, int, int, int>> walls;
        for (const auto& o : State.DrawingObjects)
            if (o->Kind == 150 && o->View == ViewGround)
                walls.emplace_back(o->X1, o->Y1, o->X2, o->Y2, o->Highlight, o->Aux);
        std::sort(walls.begin(), walls.end());
        return walls;
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

// ALTER by a click in the finished room, then FINISH from the menu: the room's walls come back as the
// first finish made them, the one it shares with its neighbour carrying its number again.
TEST_F(LayoutMarkingKeysTest, AlterByAClickAndFinishAgainRemakeTheSamePartitions) {
    test::ModalWatcher boxes(AnswerYesOrReturn);
    MarkTheFourCorners();
    if (HasFatalFailure()) return;
    const auto first = Partitions();
    ASSERT_FALSE(first.empty());
    const TObj* bed1 = nullptr;
    for (const auto& o : State.DrawingObjects)
        if (o->Kind == 29500 && o->Aux == 10001) bed1 = o.get();
    ASSERT_NE(bed1, nullptr);
    // A pixel 1000 mm inside Bed 1's top-left corner: logical units from the view origin at the area's
    // bottom-left corner, ZoomFactor of them a pixel, y down.
    const int u = State.UnitsPerLogical;
    const QPoint inside(static_cast<int>(((bed1->X1 + 1000) / u - State.ViewOrgX) / State.ZoomFactor),
                        Area->height() -
                            static_cast<int>(((bed1->Y1 - 1000) / u - State.ViewOrgY) / State.ZoomFactor));

    Form.Action("CmChangedroomsExecute")->trigger();
    EXPECT_EQ(Form.Panel(2), " Adjust Room");
    Click(inside);
    EXPECT_EQ(CountOf(29001, ViewGround), 1) << "Bed 1 is a design room again";
    EXPECT_LT(Partitions().size(), first.size()) << "its own walls went";
    EXPECT_FALSE(Partitions().empty()) << "the wall it shares with Bed 2 stayed";

    Form.Action("CmLockdroomsExecute")->trigger();
    QApplication::processEvents();
    EXPECT_EQ(CountOf(29500, ViewGround), 2);
    EXPECT_EQ(Partitions(), first);
}

} // namespace
} // namespace velmora
