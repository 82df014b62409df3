// The polygon tool in the real window, driven by real Qt events: the real colour dialog is answered, Enter
// and arrows mark corners (each distance typed into the real input box), and F closes the outline.
#include "model/drawing_objects.h"
#include "model/object_list.h"
#include "qt/frame_fixture.h"
#include "tools/drawing_tool.h"

#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace velmora {
namespace {

void PressKey(QWidget* to, int key, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(to, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(to, &release);
}

// Runs fn on the next modal widget the program opens, once it is there.
void OnNextModal(std::function<void(QWidget*)> fn) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, fn] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        poll->stop();
        poll->deleteLater();
        fn(modal);
    });
    poll->start(10);
}

void TypeIntoNextBox(const QString& text) {
    OnNextModal([text](QWidget* modal) {
        QLineEdit* edit = modal->findChild<QLineEdit*>();
        if (!edit) {
            modal->close();
            return;
        }
        edit->selectAll();
        PressKey(edit, Qt::Key_Backspace);
        for (QChar c : text)
            PressKey(edit, c.unicode(), QString(c));
        PressKey(edit, Qt::Key_Return);
    });
}

class ShapeInputTest : public test::FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        StartAndWaitForTheDrawing();
        Area = Form.DrawingWindow()->Area();
        Area->setFocus();
        State.DrawingObjects.RemoveFrom(FloorRecordCount, [](const TObj&) { return true; });
    }

    void MoveTo(QPoint at) {
        QMouseEvent e(QEvent::MouseMove, QPointF(at), Area->mapToGlobal(QPointF(at)), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(Area, &e);
    }
    void Arrow(int key, const QString& length) {
        TypeIntoNextBox(length);
        PressKey(Area, key);
    }
    int Count() const { return State.DrawingObjects.ObjectCount(); }

    QWidget* Area = nullptr;
};

TEST_F(ShapeInputTest, APolygonByRealKeysWithTheRealColourDialog) {
    OnNextModal([](QWidget* modal) {
        auto* chooser = qobject_cast<QColorDialog*>(modal);
        if (!chooser) {
            modal->close();
            return;
        }
        chooser->setCurrentColor(QColor(0, 0, 255));
        chooser->accept();
    });
    Form.Action("CmPolygonExecute")->trigger();
    ASSERT_TRUE(test::WaitFor([this] { return State.CurrentTool && State.CurrentTool->Mode == 6720; }));
    MoveTo({300, 400});
    PressKey(Area, Qt::Key_Return);
    Arrow(Qt::Key_Right, "3000");
    Arrow(Qt::Key_Up, "2000");
    Arrow(Qt::Key_Left, "1500");
    EXPECT_EQ(Form.Panel(0),
              "Press + (ADD) or F key when all corners marked. Distance from START POINT h 1500: v "
              "2000. point 4");
    const int before = Count();
    PressKey(Area, Qt::Key_F, "f");
    ASSERT_EQ(Count(), before + 1);
    const auto& poly = static_cast<const TPolyobj&>(*State.DrawingObjects.At(Count() - 1));
    ASSERT_EQ(poly.VertexCount, 5);
    const int x0 = poly.Xs[0], y0 = poly.Ys[0];
    const int dx[] = {0, 3000, 3000, 1500, 0}, dy[] = {0, 0, 2000, 2000, 0};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(poly.Xs[i] - x0, dx[i]) << i;
        EXPECT_EQ(poly.Ys[i] - y0, dy[i]) << i;
    }
    EXPECT_EQ(poly.FillColour, 0xFF0000u); // blue as a COLORREF
    EXPECT_EQ(Form.Panel(0), "GUIDE; Pick Tool");
    EXPECT_EQ(State.CurrentTool->Mode, ModePick);
}

} // namespace
} // namespace velmora
