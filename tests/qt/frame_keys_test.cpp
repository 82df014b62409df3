// Real key events on the real frame: QTest key clicks on the widget with the keyboard focus, through Qt's
// shortcut handling as a keyboard's keys go. Every menu shortcut runs its menu item's command with a drawing
// open and without, Alt and a letter opens a menu, and the drawing's own keys reach the drawing window. A key
// the window did not take once went round between it and the frame until the stack ran out.
#include "app/drawing_store.h"
#include "app/menu_table.h"
#include "model/drawing_objects.h"
#include "qt/frame_fixture.h"
#include "qt/help_window.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <map>

namespace velmora {
namespace {

using test::ModalWatcher;
using test::ReadFile;

// Counts the key presses a widget is handed (the events that reach it, or pass through it on their way up),
// other than those of Shift, Ctrl or Alt alone.
class KeyCounter : public QObject {
public:
    explicit KeyCounter(QWidget* watched) : Watched(watched) { watched->installEventFilter(this); }
    int Presses = 0;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (o != Watched || e->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key != Qt::Key_Shift && key != Qt::Key_Control && key != Qt::Key_Alt) ++Presses;
        return false;
    }

private:
    QWidget* Watched;
};

class FrameKeys : public test::FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        for (std::string_view handler : AllHandlers())
            for (QAction* a : Form.Actions(std::string(handler)))
                QObject::connect(a, &QAction::triggered, [this, h = std::string(handler)] { ++Ran[h]; });
    }
    // The frame as a user has it: the active window, the focus where the program put it.
    void Activate() {
        Form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Form));
    }
    QWidget* Focus() {
        QWidget* w = QApplication::focusWidget();
        return w ? w : &Form;
    }
    // The keys as a keyboard sends them to the widget with the focus; the boxes they opened are left with
    // Escape, and the frame is the active window again, as it is when a box closes on a desktop.
    std::vector<std::string> Press(const QKeySequence& keys) {
        Ran.clear();
        ModalWatcher boxes;
        QTest::keySequence(Focus(), keys);
        QApplication::processEvents();
        Activate();
        return boxes.Seen;
    }
    int RunCount() const {
        int n = 0;
        for (const auto& [handler, count] : Ran)
            n += count;
        return n;
    }
    void AltLettersOpenTheirMenus();
    std::filesystem::path Drawing() const { return Home.Path / "DWGS" / (State.DrawingName + ".BMS"); }

    std::map<std::string, int> Ran; // the times each handler's actions ran
};

std::vector<const MenuItem*> ItemsWithShortcuts() {
    std::vector<const MenuItem*> items;
    for (const Menu& menu : MenuTable())
        for (const MenuItem& item : menu.Items)
            if (!item.Shortcut.empty()) items.push_back(&item);
    return items;
}

// The shortcut of an item that can run runs exactly its command, once; one whose command is not built yet
// does nothing. With a drawing open every key goes first to the drawing window, which has the focus.
TEST_F(FrameKeys, EveryMenuShortcutRunsItsItemsCommandWithADrawingOpen) {
    StartAndWaitForTheDrawing();
    Activate();
    ASSERT_GE(ItemsWithShortcuts().size(), 11u);
    const std::string drawing = State.DrawingName;
    for (const MenuItem* item : ItemsWithShortcuts()) {
        SCOPED_TRACE(std::string(item->Shortcut));
        // New leaves the drawing before its dialog: the next key finds it open again. A box on the way is
        // left with Escape, so a surprise fails the test instead of waiting for a user.
        if (!Form.DrawingWindow()) {
            ModalWatcher boxes;
            OpenDrawingByName(Prog, drawing);
            ASSERT_NE(Form.DrawingWindow(), nullptr) << (boxes.Seen.empty() ? "" : boxes.Seen.front());
            Activate();
        }
        ASSERT_EQ(Focus(), Form.DrawingWindow()->Area());
        const bool enabled = Form.Action(std::string(item->Handler))->isEnabled();
        Press(QKeySequence(QString::fromUtf8(item->Shortcut.data(), item->Shortcut.size())));
        EXPECT_EQ(Ran[std::string(item->Handler)], enabled ? 1 : 0);
        EXPECT_EQ(RunCount(), enabled ? 1 : 0);
    }
    // Keys of no item end at the frame.
    for (const char* keys : {"Ctrl+W", "Alt+Q", "Alt+Left"}) {
        SCOPED_TRACE(keys);
        ASSERT_NE(Form.DrawingWindow(), nullptr);
        EXPECT_TRUE(Press(QKeySequence(keys)).empty());
        EXPECT_EQ(RunCount(), 0);
    }
}

// The desktop's keys where the items have none: Ctrl+Shift+S is Save As, Ctrl+Q quits as Exit does.
TEST_F(FrameKeys, CtrlShiftSSavesAsAndCtrlQQuits) {
    StartAndWaitForTheDrawing();
    Activate();
    EXPECT_EQ(Press(QKeySequence("Ctrl+Shift+S")), std::vector<std::string>{"save drawing to a new name"});
    EXPECT_EQ(Ran["CmSaveasExecute"], 1);
    EXPECT_EQ(RunCount(), 1);

    Ran.clear();
    QTest::keySequence(Focus(), QKeySequence("Ctrl+Q"));
    EXPECT_EQ(Ran["CmExitExecute"], 1);
    EXPECT_TRUE(Prog.ExitRequested());
    EXPECT_TRUE(test::WaitFor([this] { return !Form.isVisible(); }));
}

TEST_F(FrameKeys, EveryMenuShortcutRunsItsItemsCommandWithoutADrawing) {
    StartWithoutADrawing();
    Activate();
    for (const MenuItem* item : ItemsWithShortcuts()) {
        SCOPED_TRACE(std::string(item->Shortcut));
        const bool enabled = Form.Action(std::string(item->Handler))->isEnabled();
        const auto boxes =
            Press(QKeySequence(QString::fromUtf8(item->Shortcut.data(), item->Shortcut.size())));
        EXPECT_EQ(Ran[std::string(item->Handler)], enabled ? 1 : 0);
        EXPECT_EQ(RunCount(), enabled ? 1 : 0);
        // New and Open show their dialog; Escape leaves it with nothing opened.
        if (item->Handler == "CmFilenewExecute") {
            EXPECT_EQ(boxes, std::vector<std::string>{"new drawing"});
        } else if (item->Handler == "CmFileopenExecute") {
            EXPECT_EQ(boxes.size(), 1u);
        }
        EXPECT_EQ(Form.DrawingWindow(), nullptr);
    }
}

// Ctrl+S is Save: the changes are written and the checkpoint taken, and the drawing reads back whole.
TEST_F(FrameKeys, CtrlSSavesTheDrawing) {
    StartAndWaitForTheDrawing();
    Activate();
    const int objects = State.DrawingObjects.ObjectCount();
    State.DrawingObjects.Append(std::make_unique<TLineobj>(1, ViewGround, 0, 0, 100, 100, 900, 900, 0));
    ASSERT_TRUE(SaveDrawing(State, ModeWorking).Ok());
    State.SaveState = 1;
    EXPECT_TRUE(Press(QKeySequence("Ctrl+S")).empty());
    EXPECT_EQ(Ran["CmSaveExecute"], 1);
    EXPECT_EQ(State.SaveState, 0);
    EXPECT_EQ(ReadFile(Home.Path / "CFG" / "tmp.cfg"), ReadFile(Drawing()));
    TFlist back;
    DrawingHeader header;
    ASSERT_TRUE(ReadDrawingFile(Drawing(), State.Shift(), back, header).Ok());
    EXPECT_EQ(back.ObjectCount(), objects + 1);
    EXPECT_NE(Form.DrawingWindow(), nullptr);
}

// Alt and a menu's letter opens that menu; Escape closes it again with nothing run.
void FrameKeys::AltLettersOpenTheirMenus() {
    Activate();
    const auto menus = Form.menuBar()->actions();
    const struct {
        const char* Keys;
        int Menu;
    } cases[] = {{"Alt+F", 0}, {"Alt+P", 1}, {"Alt+Z", 2}, {"Alt+E", 3}, {"Alt+H", 9}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Keys);
        Ran.clear();
        QTest::keySequence(Focus(), QKeySequence(c.Keys));
        ASSERT_TRUE(test::WaitFor([] { return QApplication::activePopupWidget() != nullptr; }, 1000));
        EXPECT_EQ(QApplication::activePopupWidget(), menus[c.Menu]->menu());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QTest::keyClick(Form.menuBar(), Qt::Key_Escape);
        ASSERT_TRUE(test::WaitFor([] { return QApplication::activePopupWidget() == nullptr; }, 1000));
        EXPECT_EQ(RunCount(), 0);
        Activate();
    }
}

TEST_F(FrameKeys, AltAndALetterOpensItsMenuWithADrawingOpen) {
    StartAndWaitForTheDrawing();
    AltLettersOpenTheirMenus();
    EXPECT_NE(Form.DrawingWindow(), nullptr);
}

TEST_F(FrameKeys, AltAndALetterOpensItsMenuWithoutADrawing) {
    StartWithoutADrawing();
    AltLettersOpenTheirMenus();
}

// The keys of the drawing: arrows, Enter, Escape, F1 and typed characters go to the drawing window and end
// there; none of them is a menu's.
const struct DrawingKey {
    Qt::Key Key;
    Qt::KeyboardModifiers Mods;
} DrawingKeys[] = {
    {Qt::Key_Left, Qt::NoModifier},   {Qt::Key_Right, Qt::NoModifier},  {Qt::Key_Up, Qt::NoModifier},
    {Qt::Key_Down, Qt::NoModifier},   {Qt::Key_Return, Qt::NoModifier}, {Qt::Key_Enter, Qt::KeypadModifier},
    {Qt::Key_Escape, Qt::NoModifier}, {Qt::Key_A, Qt::NoModifier},      {Qt::Key_Z, Qt::ShiftModifier},
    {Qt::Key_5, Qt::NoModifier},      {Qt::Key_Space, Qt::NoModifier},  {Qt::Key_Left, Qt::ControlModifier},
    {Qt::Key_F1, Qt::NoModifier},
};

TEST_F(FrameKeys, TheDrawingKeysReachTheDrawingWindowAndEndThere) {
    StartAndWaitForTheDrawing();
    Activate();
    QWidget* area = Form.DrawingWindow()->Area();
    KeyCounter atArea(area), atFrame(&Form);
    for (const DrawingKey& k : DrawingKeys) {
        SCOPED_TRACE(QKeySequence(k.Key | k.Mods).toString().toStdString());
        ASSERT_EQ(Focus(), area);
        atArea.Presses = atFrame.Presses = 0;
        Ran.clear();
        QTest::keyClick(Focus(), k.Key, k.Mods);
        EXPECT_EQ(atArea.Presses, 1);
        EXPECT_EQ(atFrame.Presses, 0);
        EXPECT_EQ(RunCount(), 0);
    }
    // F1 was the drawing window's context help.
    ASSERT_NE(Ui.Help(), nullptr);
    EXPECT_TRUE(Ui.Help()->isVisible());
}

TEST_F(FrameKeys, TheDrawingKeysWithoutADrawingGoToTheProgram) {
    StartWithoutADrawing();
    Activate();
    std::vector<std::string> boxes;
    for (const DrawingKey& k : DrawingKeys) {
        ModalWatcher watcher;
        QTest::keyClick(Focus(), k.Key, k.Mods);
        QApplication::processEvents();
        boxes.insert(boxes.end(), watcher.Seen.begin(), watcher.Seen.end());
    }
    EXPECT_EQ(RunCount(), 0);
    EXPECT_EQ(Form.DrawingWindow(), nullptr);
    // F1 is context help, which needs a drawing; the other keys do nothing.
    EXPECT_EQ(boxes, std::vector<std::string>{"Velmora 11.1: You must open a drawing FILE first"});
}

// --- the save question on screen ------------------------------------------------------------------------

// Escape and the close button of the real box are Cancel; Yes and No keep their meaning.
TEST_F(FrameKeys, TheSaveQuestionsBoxAnswersCancelToEscapeAndItsCloseButton) {
    auto click = [](QMessageBox::StandardButton b) {
        return [b](QWidget* modal) { static_cast<QMessageBox*>(modal)->button(b)->click(); };
    };
    const struct {
        const char* Name;
        std::function<void(QWidget*)> Answer;
        std::optional<bool> Result;
    } cases[] = {
        {"Escape", test::PressEscape, std::nullopt},
        {"close button", [](QWidget* modal) { modal->close(); }, std::nullopt},
        {"Yes", click(QMessageBox::Yes), true},
        {"No", click(QMessageBox::No), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        ModalWatcher watcher(c.Answer);
        EXPECT_EQ(Ui.AskYesNoCancel("", "do you wish to save drawing changes?"), c.Result);
        EXPECT_EQ(watcher.Seen,
                  std::vector<std::string>{"Velmora 11.1: do you wish to save drawing changes?"});
    }
}

// Escape on the question as the frame closes: the frame stays open on the drawing with its changes, and no
// file is touched.
TEST_F(FrameKeys, EscapeOnTheSaveQuestionAtCloseKeepsTheChanges) {
    StartAndWaitForTheDrawing();
    State.DrawingObjects.Append(std::make_unique<TLineobj>(1, ViewGround, 0, 0, 100, 100, 900, 900, 0));
    ASSERT_TRUE(SaveDrawing(State, ModeWorking).Ok());
    State.SaveState = 1;
    const std::string changed = ReadFile(Drawing()), checkpoint = ReadFile(Home.Path / "CFG" / "tmp.cfg");
    const std::string recent = ReadFile(Home.Path / "CFG" / "LASTFILES.CFG");
    const int objects = State.DrawingObjects.ObjectCount();
    for (const char* how : {"the close box", "Exit"}) {
        SCOPED_TRACE(how);
        ModalWatcher watcher;
        if (std::string(how) == "Exit") {
            Form.RunCommand("CmExitExecute");
        } else {
            EXPECT_FALSE(Form.close());
        }
        QApplication::processEvents();
        EXPECT_EQ(watcher.Seen,
                  std::vector<std::string>{"Velmora 11.1: do you wish to save drawing changes?"});
        EXPECT_TRUE(Form.isVisible());
        EXPECT_FALSE(Prog.ExitRequested());
        EXPECT_NE(Form.DrawingWindow(), nullptr);
        EXPECT_EQ(State.DrawingObjects.ObjectCount(), objects);
        EXPECT_EQ(State.SaveState, 1);
        EXPECT_EQ(ReadFile(Drawing()), changed);
        EXPECT_EQ(ReadFile(Home.Path / "CFG" / "tmp.cfg"), checkpoint);
        EXPECT_EQ(ReadFile(Home.Path / "CFG" / "LASTFILES.CFG"), recent);
    }
}

} // namespace
} // namespace velmora
