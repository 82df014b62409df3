// The Undo and Redo commands driven through the program as the menu drives them: how far they reach, the
// question about another view's action, the refusals and warnings by view, the cursor put back on the free
// end of the last wall, and the history across exit, reopening and other drawings.
#include "app/drawing_open.h"
#include "app/drawing_store.h"
#include "app/program.h"
#include "app/undo_store.h"
#include "platform/scripted_ui.h"
#include "support/test_support.h"
#include "tools/drawing_tool.h"
#include "view/drawing_window.h"
#include "view/units.h"

#include <gtest/gtest.h>

#include <sstream>

namespace velmora {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::WriteFile;

constexpr const char* NoMoreUndo = "no more actions can be undone";
constexpr const char* NoMoreRedo = "no more actions to redraw ";
constexpr const char* OtherView = "last action was not on this view - do you still want to undo it ?";

std::unique_ptr<TObj> Object(int kind, int view, int x1, int y1, int x2, int y2) {
    auto obj = MakeObjectOfKind(kind);
    obj->View = view;
    obj->X1 = x1, obj->Y1 = y1, obj->X2 = x2, obj->Y2 = y2;
    return obj;
}

// A fresh copy of the installed home folder with drawings of our own, a program on it and a scripted Ui.
class UndoCommandsTest : public ::testing::Test {
protected:
    UndoCommandsTest() {
        fs::copy(VELMORA_HOME_TEMPLATE, Home.Path, fs::copy_options::recursive);
        Ui.SetClientSize({1280, 800});
    }
    ~UndoCommandsTest() override { EXPECT_EQ(Ui.Failure(), "") << Transcript.str(); }

    // DWGS/<name>.BMS: the six floor records and the objects given, on the metric sheet.
    void MakeDrawing(const std::string& name, std::vector<std::unique_ptr<TObj>> objects = {}) {
        AppState s;
        s.HomePath = Home.Path;
        s.DrawingName = name;
        TakeUnitsOfDrawing(s, "0 0 0 1 1");
        for (int i = 0; i < FloorRecordCount; ++i)
            s.DrawingObjects.Append(Object(32000 + i, 120 + i, 0, 0, 0, 0));
        for (auto& obj : objects)
            s.DrawingObjects.Append(std::move(obj));
        ASSERT_TRUE(SaveDrawing(s, ModeWorking).Ok());
    }
    // Starts the program with name as the first recent drawing: the timer opens it.
    void Open(const std::string& name) {
        WriteFile(Home.Path / "CFG" / "LASTFILES.CFG", std::to_string(name.size()) + " 0 0 0 " + name);
        St().HomePath = Home.Path;
        Prog = std::make_unique<Program>(St(), Ui);
        Prog->Start();
        Ui.RunPendingTimers();
        ASSERT_EQ(St().DrawingReady, 2) << Transcript.str();
        ASSERT_EQ(St().DrawingName, name);
    }
    // A change as a tool makes it: the snapshot, the object, the working copy.
    void Change(std::unique_ptr<TObj> obj) {
        ASSERT_TRUE(RecordUndo(St(), Ui));
        St().DrawingObjects.Append(std::move(obj));
        ASSERT_TRUE(SaveDrawing(St(), ModeWorking).Ok());
    }
    void ChangeLine(int x) { Change(Object(1, St().CurrentView, x, 0, x + 500, 0)); }
    std::string Working() { return ReadFile(Home.Path / "DWGS" / (St().DrawingName + ".BMS")); }
    int RecordsOnDisk() { return std::stoi(Working()); }
    void Run(const char* handler) { ASSERT_TRUE(Prog->RunCommand(handler)) << handler; }
    void AnswerQuestion(MessageReply reply) { Ui.Queue(ScriptAnswer::ForMessage(reply)); }
    Point PixelOf(int wx, int wy) {
        const Size c = Ui.ClientSize();
        const Mapping m = ViewMappingFor(Prog->Window()->Frame(), c.Width, c.Height);
        return LogicalToPixel(m, WorldToLogical(wx, St().UnitsPerLogical),
                              WorldToLogical(wy, St().UnitsPerLogical));
    }
    AppState& St() { return *StatePtr; }
    // The program gone without its exit sequence, and a new one not yet started.
    void NewSession() {
        Prog.reset();
        StatePtr = std::make_unique<AppState>();
    }
    // Leaves the program by File/Exit and starts a new one on the same home folder, as the next day's
    // session.
    void ExitAndRestart(const std::string& name) {
        Run("CmExitExecute");
        NewSession();
        Open(name);
    }

    test::TempDir Home;
    std::ostringstream Transcript;
    ScriptedUi Ui{Transcript};
    std::unique_ptr<AppState> StatePtr = std::make_unique<AppState>();
    std::unique_ptr<Program> Prog;
};

// A snapshot file replaced outside the program (here by the older state beside it) is not what the ring
// wrote: Undo says so and leaves the drawing as it is.
TEST_F(UndoCommandsTest, UndoRefusesASnapshotReplacedOutsideTheProgram) {
    MakeDrawing("Tampered");
    Open("Tampered");
    St().CurrentView = ViewGround;
    ChangeLine(1000);
    ChangeLine(2000);
    fs::copy_file(UndoSlotPath(St(), 1), UndoSlotPath(St(), 0), fs::copy_options::overwrite_existing);
    const std::string before = Working();
    Run("CmUndoExecute");
    EXPECT_EQ(Ui.LastMessage(), "undo is not available: ACT/Action0.tmp was changed outside the program");
    EXPECT_EQ(Working(), before);
    EXPECT_EQ(St().DrawingObjects.ObjectCount(), FloorRecordCount + 2);
}

TEST_F(UndoCommandsTest, TenUndosAndTenRedosWalkTheRingAndTheEleventhSaysSo) {
    MakeDrawing("Walk");
    Open("Walk");
    St().CurrentView = ViewGround; // a drawing of the floor records alone opens on the layout
    for (int k = 1; k <= 11; ++k)
        ChangeLine(1000 * k);
    ASSERT_EQ(RecordsOnDisk(), FloorRecordCount + 11);

    for (int k = 10; k >= 1; --k) {
        Run("CmUndoExecute");
        EXPECT_EQ(RecordsOnDisk(), FloorRecordCount + k) << "the working copy holds the restored state";
        EXPECT_EQ(St().DrawingObjects.ObjectCount(), FloorRecordCount + k);
    }
    EXPECT_EQ(St().LastCommand, 350);
    EXPECT_EQ(St().SaveState, 1);
    const int messages = Ui.MessageCount();
    const std::string before = Working();
    Run("CmUndoExecute");
    EXPECT_EQ(Ui.MessageCount(), messages + 1);
    EXPECT_EQ(Ui.LastMessage(), NoMoreUndo);
    EXPECT_EQ(Working(), before);

    for (int k = 2; k <= 11; ++k) {
        Run("CmRedoExecute");
        EXPECT_EQ(RecordsOnDisk(), FloorRecordCount + k);
    }
    EXPECT_EQ(St().DrawingObjects.At(FloorRecordCount + 10)->X1, 11000);
    Run("CmRedoExecute");
    EXPECT_EQ(Ui.LastMessage(), NoMoreRedo);
    EXPECT_EQ(RecordsOnDisk(), FloorRecordCount + 11);
    EXPECT_EQ(St().CurrentView, ViewGround);
}

TEST_F(UndoCommandsTest, UndoThenANewChangeThenRedoRestoresTheUndoneState) {
    MakeDrawing("Branch");
    Open("Branch");
    ChangeLine(1000);
    ChangeLine(2000);
    Run("CmUndoExecute");
    ChangeLine(3000);
    Run("CmRedoExecute");
    ASSERT_EQ(St().DrawingObjects.ObjectCount(), FloorRecordCount + 2);
    EXPECT_EQ(St().DrawingObjects.At(FloorRecordCount + 1)->X1, 2000);
}

TEST_F(UndoCommandsTest, AnotherViewsActionIsUndoneOnlyAfterAsking) {
    MakeDrawing("Views", [] {
        std::vector<std::unique_ptr<TObj>> v;
        v.push_back(Object(100, ViewGround, 0, 0, 4000, 0));
        return v;
    }());
    Open("Views");
    St().CurrentView = ViewFirst;
    ChangeLine(1000);
    St().CurrentView = ViewGround;
    const std::string before = Working();
    const auto history = St().ViewHistory;

    AnswerQuestion(MessageReply::No);
    Run("CmUndoExecute");
    EXPECT_EQ(Ui.LastMessage(), OtherView);
    EXPECT_EQ(Working(), before);
    EXPECT_EQ(St().DrawingObjects.ObjectCount(), FloorRecordCount + 2);
    EXPECT_EQ(St().ViewHistory, history);

    AnswerQuestion(MessageReply::Yes);
    Run("CmUndoExecute");
    EXPECT_EQ(RecordsOnDisk(), FloorRecordCount + 1);
    EXPECT_EQ(St().CurrentView, ViewGround);
}

// The warnings and the one refusal the view and the last objects give.
TEST_F(UndoCommandsTest, ViewAndLastObjectWarnings) {
    struct Case {
        const char* Why;
        int View;
        int ExternalWallsBefore; // on View, before the change
        int ChangeKind;
        const char* Message; // nullptr: none
        bool Undone;
    };
    const Case cases[] = {
        {"layout while marking walls", ViewLayoutMarking, 0, 1,
         "Select the 'mark external walls in LAYOUT' icon and re mark the wall corners", false},
        {"upper floor with one wall", ViewFirst, 1, 1, "select VIEW / THIS FLOOR  and start again", true},
        {"upper floor with walls", ViewFirst, 2, 100, nullptr, true},
        {"the only wall", ViewGround, 0, 100, "This is the only wall - select FILE / NEW and start again",
         true},
        {"a stop end is undone in any view", ViewLayoutMarking, 0, 154, nullptr, true},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Why);
        const std::string name = "Warn " + std::to_string(++n);
        std::vector<std::unique_ptr<TObj>> walls;
        for (int i = 0; i < c.ExternalWallsBefore; ++i)
            walls.push_back(Object(100, c.View, 0, i * 1000, 0, (i + 1) * 1000));
        MakeDrawing(name, std::move(walls));
        NewSession();
        Open(name);
        St().CurrentView = c.View;
        Change(Object(c.ChangeKind, c.View, 5000, 0, 5000, 3000));
        const int messages = Ui.MessageCount();
        Run("CmUndoExecute");
        EXPECT_EQ(Ui.MessageCount(), messages + (c.Message ? 1 : 0)) << Ui.LastMessage();
        if (c.Message) {
            EXPECT_EQ(Ui.LastMessage(), c.Message);
        }
        EXPECT_EQ(RecordsOnDisk(), FloorRecordCount + c.ExternalWallsBefore + (c.Undone ? 0 : 1));
    }
}

// After an undo the cursor stands on the free end of the wall that is now the last: its second point, or its
// first when the undone wall was drawn back toward it.
TEST_F(UndoCommandsTest, CursorGoesToTheFreeEndOfTheNewLastWall) {
    struct Case {
        const char* Why;
        int Kind;
        Point Undone1, Undone2; // the wall the undo takes away, after a wall from (0, 0) to (0, 3000)
        Point Cursor;           // where the cursor goes (world units)
    };
    const Case cases[] = {
        {"external wall drawn on", 100, {0, 3000}, {4000, 3000}, {0, 3000}},
        {"external wall drawn back", 100, {4000, 5000}, {7000, 0}, {0, 0}},
        {"internal wall drawn on", 150, {0, 3000}, {4000, 3000}, {0, 3000}},
        {"internal wall drawn back", 150, {4000, 5000}, {6000, 0}, {0, 0}},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Why);
        const std::string name = "Cursor " + std::to_string(++n);
        std::vector<std::unique_ptr<TObj>> walls;
        walls.push_back(Object(c.Kind, ViewGround, 0, 0, 0, 3000));
        MakeDrawing(name, std::move(walls));
        NewSession();
        Open(name);
        Change(Object(c.Kind, ViewGround, c.Undone1.X, c.Undone1.Y, c.Undone2.X, c.Undone2.Y));
        Ui.SetCursorPos({1, 1});
        Run("CmUndoExecute");
        ASSERT_EQ(St().DrawingObjects.ObjectCount(), FloorRecordCount + 1);
        EXPECT_EQ(Ui.CursorPos(), PixelOf(c.Cursor.X, c.Cursor.Y));
        ASSERT_NE(St().CurrentTool, nullptr);
        EXPECT_EQ(St().CurrentTool->X1, c.Cursor.X);
        EXPECT_EQ(St().CurrentTool->Y1, c.Cursor.Y);

        // Redo brings the wall back and the cursor to its second point.
        Run("CmRedoExecute");
        EXPECT_EQ(Ui.CursorPos(), PixelOf(c.Undone2.X, c.Undone2.Y));
    }
}

TEST_F(UndoCommandsTest, HistorySurvivesExitAndReopeningTheSameDrawing) {
    MakeDrawing("Keep");
    Open("Keep");
    St().CurrentView = ViewGround;
    ChangeLine(1000);
    St().CurrentView = ViewFirst;
    ChangeLine(2000);
    St().CurrentView = ViewGround;
    ExitAndRestart("Keep");
    EXPECT_EQ(ReadFile(Home.Path / "CFG" / "LASTACT.CFG"), "121 120 0 0 0 0 0 0 0 0\r\n");
    EXPECT_EQ(ReadFile(Home.Path / "CFG" / "LASTDWG.CFG"), "4 Keep\r\n");
    EXPECT_EQ(St().ViewHistory[0], ViewFirst);
    EXPECT_EQ(St().ViewHistory[1], ViewGround);

    AnswerQuestion(MessageReply::Yes);
    Run("CmUndoExecute");
    Run("CmUndoExecute");
    EXPECT_EQ(RecordsOnDisk(), FloorRecordCount);
    Run("CmUndoExecute");
    EXPECT_EQ(Ui.LastMessage(), NoMoreUndo);
}

// Opening another drawing clears the history, and no way back to the first drawing lets its undo restore the
// other drawing's snapshot: not in the same session, not after an exit, and not when the exit files name
// the first drawing while the ring is the other's (a session that ended without its exit).
TEST_F(UndoCommandsTest, AnotherDrawingsSnapshotsAreNeverRestored) {
    MakeDrawing("First");
    MakeDrawing("Second", [] {
        std::vector<std::unique_ptr<TObj>> v;
        for (int i = 0; i < 5; ++i)
            v.push_back(Object(1, ViewGround, i * 100, 0, i * 100 + 50, 0));
        return v;
    }());
    Open("First");
    ChangeLine(1000);

    ASSERT_EQ(OpenDrawingByName(*Prog, "Second"), OpenOutcome::Opened);
    EXPECT_EQ(St().ViewHistory, (std::array<int, 10>{}));
    Run("CmUndoExecute");
    EXPECT_EQ(Ui.LastMessage(), NoMoreUndo);
    ChangeLine(9000);

    ASSERT_EQ(OpenDrawingByName(*Prog, "First"), OpenOutcome::Opened);
    const std::string first = Working();
    Run("CmUndoExecute");
    EXPECT_EQ(Ui.LastMessage(), NoMoreUndo);
    EXPECT_EQ(Working(), first);

    // The exit files say First, but the ring is Second's.
    ASSERT_EQ(OpenDrawingByName(*Prog, "Second"), OpenOutcome::Opened);
    ChangeLine(9000);
    WriteFile(Home.Path / "CFG" / "LASTDWG.CFG", "5 First\r\n");
    WriteFile(Home.Path / "CFG" / "LASTACT.CFG", "120 0 0 0 0 0 0 0 0 0\r\n");
    NewSession();
    Open("First");
    EXPECT_EQ(St().ViewHistory, (std::array<int, 10>{}));
    Run("CmUndoExecute");
    EXPECT_EQ(Ui.LastMessage(), NoMoreUndo);
    EXPECT_EQ(Working(), first);
}

TEST_F(UndoCommandsTest, NothingHappensWithoutAReadyDrawing) {
    St().HomePath = Home.Path;
    Prog = std::make_unique<Program>(St(), Ui);
    Prog->Start();
    for (const char* handler : {"CmUndoExecute", "CmRedoExecute"}) {
        Run(handler);
        EXPECT_EQ(Ui.MessageCount(), 0);
        EXPECT_EQ(St().LastCommand, 0);
    }
}

} // namespace
} // namespace velmora
