// The line tool and the manual dimension in the real window, driven by real Qt key and mouse events on the
// drawing area (not the scripted front end): Enter marks a point, an arrow opens the real input box, which
// is answered by typing into it, a drag with the mouse draws a line, and construction lines follow the
// pointer with guide lines until F closes the run.
#include "app/program.h"
#include "model/object_list.h"
#include "qt/frame_fixture.h"
#include "qt/main_form.h"
#include "qt/qt_ui.h"
#include "support/test_support.h"
#include "tools/drawing_tool.h"
#include "tools/line_commands.h"
#include "tools/tool_install.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace velmora {
namespace {

namespace fs = std::filesystem;

bool WaitFor(const std::function<bool()>& done, int ms = 3000) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

void SendKey(QWidget* to, int key, const QString& text = {}, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(to, &press);
    QKeyEvent release(QEvent::KeyRelease, key, mods, text);
    QApplication::sendEvent(to, &release);
}

// Types text into the next modal input box the program opens and presses Enter in it, as a user would.
void TypeIntoNextInputBox(const QString& text) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, text] {
        QWidget* modal = QApplication::activeModalWidget();
        QLineEdit* edit = modal ? modal->findChild<QLineEdit*>() : nullptr;
        if (!edit) return;
        poll->stop();
        poll->deleteLater();
        edit->selectAll();
        SendKey(edit, Qt::Key_Backspace);
        for (QChar c : text)
            SendKey(edit, c.unicode(), QString(c));
        SendKey(edit, Qt::Key_Return);
    });
    poll->start(10);
}

class DrawingInputTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::copy(VELMORA_HOME_TEMPLATE, Home.Path,
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        State.HomePath = Home.Path;
        Form.Attach(&Prog);
        Form.resize(1000, 700);
        Form.show();
        Prog.Start();
        ASSERT_TRUE(WaitFor([this] { return Form.DrawingWindow() != nullptr; })) << "no drawing opened";
        QApplication::processEvents();
        Area = Form.DrawingWindow()->Area();
        Area->setFocus();
        // An empty plan, so no wall of the sample house meets the points drawn.
        State.DrawingObjects.RemoveFrom(FloorRecordCount, [](const TObj&) { return true; });
    }
    void TearDown() override { Form.Attach(nullptr); }

    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent e(type, QPointF(at), Area->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
        QApplication::sendEvent(Area, &e);
    }
    void MoveTo(QPoint at) { Mouse(QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton); }
    int Count() const { return State.DrawingObjects.ObjectCount(); }
    const TObj& Last() const { return *State.DrawingObjects.At(Count() - 1); }

    test::TempDir Home;
    TMainForm Form;
    QtUi Ui{Form, VELMORA_HELP_DIR};
    AppState State;
    Program Prog{State, Ui};
    QWidget* Area = nullptr;
};

TEST_F(DrawingInputTest, EnterAndAnArrowWithATypedLengthDrawALineAndThePointerFollows) {
    Form.Action("CmLineExecute")->trigger();
    QApplication::processEvents();
    ASSERT_EQ(State.CurrentTool->Mode, ModePlainLine);
    MoveTo({300, 200});
    SendKey(Area, Qt::Key_Left);
    EXPECT_EQ(Ui.CursorPos(), (Point{299, 200})); // unmarked, an arrow nudges the cursor one pixel
    SendKey(Area, Qt::Key_Return);
    const int before = Count();
    TypeIntoNextInputBox("3000");
    SendKey(Area, Qt::Key_Right);
    ASSERT_EQ(Count(), before + 1);
    const auto& line = static_cast<const TLineobj&>(Last());
    EXPECT_EQ(line.Kind, 1);
    EXPECT_EQ(line.X2 - line.X1, 3000);
    EXPECT_EQ(line.Y2, line.Y1);
    EXPECT_EQ(line.LineAttrA, 900);
    // The cursor went to the end of the line: 3000 mm at 25 mm a pixel.
    EXPECT_EQ(Ui.CursorPos(), (Point{299 + 120, 200}));
    EXPECT_EQ(Area->mapFromGlobal(QCursor::pos()), QPoint(299 + 120, 200)); // the real pointer too
    EXPECT_EQ(Form.Panel(0),
              "press arrow key for direction of next line, OR press LeftButton & DRAG, use Right "
              "Button to detool");
    // Keypad 1 is the angle key; A twice returns to drawing by keyboard.
    SendKey(Area, Qt::Key_1, "1", Qt::KeypadModifier);
    EXPECT_EQ(State.CurrentTool->Step, 1);
    SendKey(Area, Qt::Key_A, "a");
    EXPECT_EQ(State.CurrentTool->Step, 0);
}

// The release of a real key reaches the window: a design room nudged by the keyboard is saved when the key
// is let go, and not at each release of the key's repeats while it is held.
TEST_F(DrawingInputTest, TheReleaseOfAKeySavesANudgedDesignRoom) {
    const fs::path file = Home.Path / "DWGS" / (State.DrawingName + ".BMS");
    const auto saved = [&file] { return test::ReadFile(file); };
    const std::string before = saved();
    State.DrawingObjects.Append(MakeObjectOfKind(1));
    State.CurrentTool->Mode = 29000;
    State.CurrentTool->Step = 65;
    State.CurrentTool->HitKind = 3;
    QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier, {}, true);
    QApplication::sendEvent(Area, &repeat);
    EXPECT_EQ(saved(), before) << "a repeat's release";
    EXPECT_EQ(State.CurrentTool->HitKind, 3);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(Area, &release);
    EXPECT_NE(saved(), before);
    EXPECT_EQ(State.CurrentTool->HitKind, 0);
}

TEST_F(DrawingInputTest, ADragWithTheMouseDrawsALine) {
    Form.Action("CmLineExecute")->trigger();
    QApplication::processEvents();
    const int before = Count();
    Mouse(QEvent::MouseButtonPress, {200, 300}, Qt::LeftButton, Qt::LeftButton);
    Mouse(QEvent::MouseMove, {250, 300}, Qt::NoButton, Qt::LeftButton);
    Mouse(QEvent::MouseMove, {300, 300}, Qt::NoButton, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, {300, 300}, Qt::LeftButton, Qt::NoButton);
    ASSERT_EQ(Count(), before + 1);
    const auto& line = static_cast<const TLineobj&>(Last());
    EXPECT_EQ(line.X2 - line.X1, 100 * 25);
    EXPECT_EQ(line.LineAttrA, 900);
    // The right button at Step 0 ends the tool.
    Mouse(QEvent::MouseButtonPress, {400, 400}, Qt::RightButton, Qt::RightButton);
    Mouse(QEvent::MouseButtonRelease, {400, 400}, Qt::RightButton, Qt::NoButton);
    EXPECT_EQ(State.CurrentTool->Mode, ModePick);
}

TEST_F(DrawingInputTest, AManualDimensionIsMarkedWithEnterAndMeasured) {
    Form.Action("CmNewdimensionExecute")->trigger();
    QApplication::processEvents();
    MoveTo({200, 500});
    SendKey(Area, Qt::Key_Return);
    MoveTo({400, 500});
    TypeIntoNextInputBox("5000");
    SendKey(Area, Qt::Key_Return);
    EXPECT_EQ(Last().Kind, 35);
    EXPECT_EQ(static_cast<const TTextobj&>(Last()).Text(), "5000");
    EXPECT_EQ(State.DrawingObjects.At(Count() - 2)->Kind, 261);
    EXPECT_EQ(State.CurrentTool->Mode, ModePick);
}

TEST_F(DrawingInputTest, ConstructionLinesFollowThePointerAndFClosesTheRun) {
    StartConstructionLines(State, Ui);
    const int before = Count();
    const QPoint corners[] = {{200, 200}, {200, 400}, {500, 400}, {500, 200}};
    for (QPoint c : corners) {
        MoveTo(c);
        SendKey(Area, Qt::Key_Return);
    }
    SendKey(Area, Qt::Key_F, "F");
    ASSERT_EQ(Count(), before + 4);
    const TObj& closing = Last();
    EXPECT_EQ(closing.Kind, 11);
    EXPECT_EQ((Point{closing.X2, closing.Y2}),
              (Point{State.DrawingObjects.At(before)->X1, State.DrawingObjects.At(before)->Y1}));
    EXPECT_EQ(State.CurrentTool->Mode, ModePick);
}

// External walls from the keyboard: Enter marks the start, each arrow's length is typed into the real input
// box, and keypad + closes the outline; the area box of the completed floor is left with Escape.
TEST_F(DrawingInputTest, ExternalWallsByArrowKeysAreClosedWithKeypadPlus) {
    InstallTool(State, Ui, ModeExtWall);
    State.CurrentTool->HitKind = 1; // the inner lines below the first wall
    const int before = Count();
    MoveTo({200, 150});
    SendKey(Area, Qt::Key_Return);
    const std::pair<int, const char*> steps[] = {
        {Qt::Key_Right, "6000"}, {Qt::Key_Down, "4000"}, {Qt::Key_Left, "6000"}};
    for (const auto& [key, length] : steps) {
        TypeIntoNextInputBox(length);
        SendKey(Area, key);
    }
    ASSERT_EQ(Count(), before + 3);
    EXPECT_EQ(Ui.CursorPos(), (Point{200, 150 + 160})) << "the pointer follows the walls";
    test::ModalWatcher boxes;
    SendKey(Area, Qt::Key_Plus, "+", Qt::KeypadModifier);
    ASSERT_TRUE(WaitFor([this] { return State.CurrentTool->Mode == ModePick; }));
    int walls = 0;
    for (int i = FloorRecordCount; i < Count(); ++i)
        if (State.DrawingObjects.At(i)->Kind == 100) ++walls;
    EXPECT_EQ(walls, 4);
    ASSERT_FALSE(boxes.Seen.empty());
    EXPECT_NE(boxes.Seen.back().find("Total Building Area this floor: 24 sq. metres"), std::string::npos);
}

} // namespace
} // namespace velmora
