// The design-room tool with real mouse events: two new rooms dragged by their centres in the real window,
// the second dropped a little off its place beside the first, where it aligns itself a wall's thickness
// away with its top in line.
#include "app/drawing_store.h"
#include "app/program.h"
#include "building/design_room_tool.h"
#include "model/object_list.h"
#include "qt/frame_fixture.h"
#include "tools/tool_install.h"

#include <QApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

namespace velmora {
namespace {

class DesignRoomDrag : public test::FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        StartAndWaitForTheDrawing();
        if (HasFatalFailure()) return;
        Area = Form.DrawingWindow()->Area();
        Area->setFocus();
        State.DrawingObjects.RemoveFrom(FloorRecordCount, [](const TObj&) { return true; });
    }
    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent e(type, QPointF(at), Area->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
        QApplication::sendEvent(Area, &e);
    }
    void Drag(QPoint from, QPoint to) {
        Mouse(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        Mouse(QEvent::MouseMove, (from + to) / 2, Qt::NoButton, Qt::LeftButton);
        Mouse(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
        Mouse(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
        QApplication::processEvents();
    }
    // A new 3000 x 3000 room at the parking place in the area's lower-left corner; its list index.
    int NewRoom() {
        auto* tool = dynamic_cast<TDRoomobjtool*>(State.CurrentTool.get());
        tool->Details.Name = "room";
        tool->Adjust(0, 3000, 3000);
        return tool->MadeIndex;
    }
    const TObj& At(int i) const { return *State.DrawingObjects.At(i); }

    QWidget* Area = nullptr;
};

TEST_F(DesignRoomDrag, ADroppedRoomAlignsWithItsNeighbour) {
    test::Watchdog watchdog(120);
    InstallTool(State, Ui, 29000);
    ASSERT_EQ(State.CurrentTool->Mode, 29000);
    // 3000 mm is 120 pixels at 25 mm a pixel; the parked room's centre lies 60 pixels in from the corner.
    const QPoint parked(60, Area->height() - 60);
    const int first = NewRoom();
    Drag(parked, {300, 200});
    const int second = NewRoom();
    // 124 pixels right of the first (120 + the 100 mm wall) and one pixel more, one pixel lower.
    Drag(parked, {300 + 124 + 1, 201});
    EXPECT_EQ(At(second).X1, At(first).X2 + 100);
    EXPECT_EQ(At(second).Y1, At(first).Y1);
    EXPECT_EQ(At(second).X2 - At(second).X1, 3000);
    EXPECT_EQ(State.CurrentTool->Step, 0);
    // The drop was saved: the file holds the new place.
    TFlist saved;
    DrawingHeader header;
    ASSERT_TRUE(ReadDrawingFile(DrawingFilePath(State, ModeWorking), State.Shift(), saved, header).Ok());
    ASSERT_EQ(saved.ObjectCount(), State.DrawingObjects.ObjectCount());
    EXPECT_EQ(saved.At(second)->X1, At(second).X1);
}

} // namespace
} // namespace velmora
