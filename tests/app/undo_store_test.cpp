// The snapshot ring on its files: how far undo and redo reach, what recording keeps, the view history that
// moves with the states, empty and damaged slots, and the ring's owner: a ring left by another drawing is
// never restored.
#include "app/undo_store.h"

#include "app/drawing_store.h"
#include "model/drawing_file.h"
#include "model/file_stamp.h"
#include "platform/scripted_ui.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

namespace velmora {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::WriteFile;

constexpr const char* Owner = "Smith House";

// The drawing "after change k": the six floor records and k lines, line i starting at x = 100 i.
class UndoStoreTest : public ::testing::Test {
protected:
    UndoStoreTest() {
        fs::create_directories(Home.Path / "ACT");
        fs::create_directories(Home.Path / "CFG");
        S.HomePath = Home.Path;
        S.DrawingName = Owner;
        S.DrawingReady = 2;
        S.CurrentView = ViewGround;
        for (int i = 0; i < FloorRecordCount; ++i) {
            auto floor = MakeObjectOfKind(32000 + i);
            floor->View = ViewGround + i;
            S.DrawingObjects.Append(std::move(floor));
        }
    }

    void AddLine() {
        auto line = MakeObjectOfKind(1);
        line->View = S.CurrentView;
        line->X1 = 100 * Changes();
        line->X2 = line->X1 + 50;
        S.DrawingObjects.Append(std::move(line));
    }
    int Changes() const { return S.DrawingObjects.ObjectCount() - FloorRecordCount; }
    // A change as the tools make it: the snapshot first, then the change.
    void Change(int view = ViewGround) {
        S.CurrentView = view;
        ASSERT_TRUE(UndoStore(S, UndoRecord, view));
        AddLine();
        ++S.NextElementNo;
    }
    int RecordsInSlot(int slot) {
        TFlist list;
        DrawingHeader header;
        if (!ReadDrawingFile(UndoSlotPath(S, slot), S.Shift(), list, header).Ok()) return -1;
        return list.ObjectCount();
    }

    test::TempDir Home;
    AppState S;
};

TEST_F(UndoStoreTest, TenStatesAreKeptOnEachSide) {
    for (int k = 0; k < 11; ++k)
        Change();
    ASSERT_EQ(Changes(), 11);
    for (int k = 10; k >= 1; --k) {
        ASSERT_TRUE(UndoStore(S, UndoStoreUndo, S.CurrentView)) << "undo to state " << k;
        EXPECT_EQ(Changes(), k);
        EXPECT_EQ(S.NextElementNo, k) << "the counters come back with the state";
    }
    // The state before the first change fell off the end of the ring.
    EXPECT_FALSE(UndoStore(S, UndoStoreUndo, S.CurrentView));
    EXPECT_EQ(Changes(), 1) << "a refused undo leaves the list as it was";
    EXPECT_EQ(S.ViewHistory, (std::array<int, 10>{}));

    for (int k = 2; k <= 11; ++k) {
        ASSERT_TRUE(UndoStore(S, UndoStoreRedo, S.CurrentView)) << "redo to state " << k;
        EXPECT_EQ(Changes(), k);
        EXPECT_EQ(S.DrawingObjects.At(S.DrawingObjects.ObjectCount() - 1)->X1, 100 * (k - 1));
    }
    EXPECT_FALSE(UndoStore(S, UndoStoreRedo, S.CurrentView));
    EXPECT_EQ(Changes(), 11);
    // Redo pushed every state back onto the undo side.
    for (int k = 10; k >= 1; --k)
        ASSERT_TRUE(UndoStore(S, UndoStoreUndo, S.CurrentView));
    EXPECT_EQ(Changes(), 1);
}

TEST_F(UndoStoreTest, RecordingKeepsTheRedoSide) {
    Change(); // state 1
    Change(); // state 2
    ASSERT_TRUE(UndoStore(S, UndoStoreUndo, ViewGround));
    ASSERT_EQ(Changes(), 1);
    Change(); // a new state 2 with the same count, told apart by nothing but the redo below
    S.DrawingObjects.At(S.DrawingObjects.ObjectCount() - 1)->Y1 = 777;
    ASSERT_TRUE(UndoStore(S, UndoStoreRedo, ViewGround));
    EXPECT_EQ(Changes(), 2);
    EXPECT_EQ(S.DrawingObjects.At(S.DrawingObjects.ObjectCount() - 1)->Y1, 0) << "the undone state came back";
}

TEST_F(UndoStoreTest, ViewHistoryMovesWithTheStates) {
    Change(ViewGround);
    Change(ViewFirst);
    Change(ViewSite);
    EXPECT_EQ(S.ViewHistory[0], ViewSite);
    EXPECT_EQ(S.ViewHistory[1], ViewFirst);
    EXPECT_EQ(S.ViewHistory[2], ViewGround);
    EXPECT_EQ(S.ViewHistory[3], 0);
    ASSERT_TRUE(UndoStore(S, UndoStoreUndo, ViewSite));
    EXPECT_EQ(S.ViewHistory[0], ViewFirst);
    EXPECT_EQ(S.ViewHistory[2], 0);
    ASSERT_TRUE(UndoStore(S, UndoStoreRedo, ViewSecond));
    EXPECT_EQ(S.ViewHistory[0], ViewSecond) << "redo records the view it was made on";
    EXPECT_EQ(S.ViewHistory[1], ViewFirst);

    std::string error;
    ASSERT_TRUE(SaveUndoHistory(S, error)) << error;
    EXPECT_EQ(ReadFile(Home.Path / "CFG" / "LASTACT.CFG"), "122 121 120 0 0 0 0 0 0 0\r\n");
}

TEST_F(UndoStoreTest, ResetEmptiesEverySlotAsAFileOfNoRecords) {
    Change();
    Change();
    ASSERT_TRUE(UndoStore(S, UndoStoreUndo, ViewGround));
    ASSERT_TRUE(UndoStore(S, UndoReset, 0));
    for (int slot = 0; slot < 20; ++slot)
        EXPECT_EQ(RecordsInSlot(slot), 0) << "slot " << slot;
    EXPECT_EQ(ReadFile(UndoSlotPath(S, 3)).substr(0, 2), "0 ");
    EXPECT_EQ(S.ViewHistory, (std::array<int, 10>{}));
    EXPECT_FALSE(UndoStore(S, UndoStoreUndo, ViewGround));
    EXPECT_FALSE(UndoStore(S, UndoStoreRedo, ViewGround));
    EXPECT_EQ(Changes(), 1);
}

TEST_F(UndoStoreTest, MissingOrDamagedSlotsReadAsEmpty) {
    Change();
    Change();
    fs::remove(UndoSlotPath(S, 0));
    EXPECT_FALSE(UndoStore(S, UndoStoreUndo, ViewGround));
    EXPECT_EQ(Changes(), 2);

    Change();
    WriteFile(UndoSlotPath(S, 0), "9 0 0 1 1\r\n120 32000 1 0 not a record\r\n");
    EXPECT_FALSE(UndoStore(S, UndoStoreUndo, ViewGround));
    EXPECT_EQ(Changes(), 3) << "a damaged snapshot is never half restored";
}

// A gap in the ring (a slot file lost) travels as a gap: the slots beyond it never repeat a stale state.
TEST_F(UndoStoreTest, AMissingSlotMovesAsAnEmptyOne) {
    for (int k = 0; k < 4; ++k)
        Change();
    fs::remove(UndoSlotPath(S, 1));
    Change();
    EXPECT_EQ(RecordsInSlot(0), FloorRecordCount + 4);
    EXPECT_EQ(RecordsInSlot(1), FloorRecordCount + 3);
    EXPECT_EQ(RecordsInSlot(2), -1);
    EXPECT_EQ(RecordsInSlot(3), FloorRecordCount + 1);
}

TEST_F(UndoStoreTest, TheRingBelongsToOneDrawing) {
    Change();
    Change();
    EXPECT_EQ(UndoRingOwner(S), Owner);

    // Another drawing opened without claiming the ring: its undo finds nothing, and the ring becomes its own.
    S.DrawingName = "Jones";
    EXPECT_FALSE(UndoStore(S, UndoStoreUndo, ViewGround));
    EXPECT_EQ(Changes(), 2);
    EXPECT_EQ(UndoRingOwner(S), "Jones");
    for (int slot = 0; slot < 20; ++slot)
        EXPECT_EQ(RecordsInSlot(slot), 0) << "slot " << slot;

    // A change recorded for a drawing that is not the owner starts a fresh ring.
    Change();
    S.DrawingName = Owner;
    Change();
    EXPECT_EQ(S.ViewHistory[1], 0) << "Jones's snapshot is not in " << Owner << "'s ring";
    EXPECT_EQ(RecordsInSlot(1), 0);
}

TEST_F(UndoStoreTest, ClaimKeepsTheOwnersHistoryAndResetsAForeignRing) {
    Change(ViewFirst);
    Change(ViewGround);
    const auto history = S.ViewHistory;

    S.ViewHistory.fill(0); // a new session
    ClaimUndoRing(S);
    EXPECT_EQ(S.ViewHistory, history);
    EXPECT_EQ(RecordsInSlot(0), FloorRecordCount + 1);

    struct Case {
        const char* Why;
        const char* Record; // ACT/RING.CFG, or nullptr for none
        const char* Name;
    };
    const Case cases[] = {
        {"another drawing", nullptr, "Jones"},
        {"no record", "", Owner},
        {"garbled record", "40 Smith House\r\n1 2 3\r\n", Owner},
        {"a name that only starts alike", "13 Smith House 2\r\n120 0 0 0 0 0 0 0 0 0\r\n", Owner},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Why);
        S.DrawingName = Owner;
        Change();
        if (c.Record && *c.Record) WriteFile(Home.Path / "ACT" / "RING.CFG", c.Record);
        if (c.Record && !*c.Record) fs::remove(Home.Path / "ACT" / "RING.CFG");
        S.DrawingName = c.Name;
        ClaimUndoRing(S);
        EXPECT_EQ(S.ViewHistory, (std::array<int, 10>{}));
        EXPECT_EQ(RecordsInSlot(0), 0);
        EXPECT_EQ(UndoRingOwner(S), c.Name);
    }
}

// The ring restores only what it wrote itself: each slot's size and checksum are in its record, so a slot
// file replaced or edited outside the program (even to the same size) is refused, with a reason, and the list
// stays.
TEST_F(UndoStoreTest, ASnapshotChangedOutsideTheProgramIsNeverRestored) {
    Change();
    Change();
    Change();
    const fs::path slot0 = UndoSlotPath(S, 0);
    const std::string written = ReadFile(slot0);
    std::string oneDigit = written;
    const std::size_t digit = oneDigit.find_last_of("0123456789");
    ASSERT_NE(digit, std::string::npos);
    oneDigit[digit] = oneDigit[digit] == '7' ? '8' : '7';
    const struct {
        const char* Why;
        std::string Text;
    } cases[] = {
        {"another snapshot of the ring", ReadFile(UndoSlotPath(S, 1))},
        {"one digit changed, same size", oneDigit},
        {"a drawing of its own", "0 0 0 0 1 1\r\n"},
    };
    const auto history = S.ViewHistory;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Why);
        WriteFile(slot0, c.Text);
        std::string problem;
        EXPECT_FALSE(UndoStore(S, UndoStoreUndo, ViewGround, &problem));
        EXPECT_EQ(problem, "ACT/Action0.tmp was changed outside the program");
        EXPECT_EQ(Changes(), 3);
        EXPECT_EQ(S.ViewHistory, history);
        EXPECT_EQ(ReadFile(slot0), c.Text) << "the refused file is left for the user to look at";
    }
    WriteFile(slot0, written);
    ASSERT_TRUE(UndoStore(S, UndoStoreUndo, ViewGround)) << "the ring's own file restores";
    EXPECT_EQ(Changes(), 2);

    // The redo side alike.
    WriteFile(UndoSlotPath(S, 10), ReadFile(UndoSlotPath(S, 0)));
    std::string problem;
    EXPECT_FALSE(UndoStore(S, UndoStoreRedo, ViewGround, &problem));
    EXPECT_EQ(problem, "ACT/Action10.tmp was changed outside the program");
    EXPECT_EQ(Changes(), 2);
}

// A snapshot of a list that is just as the last save wrote it is that save's file under a second name; in
// every other case it is written from the list. Either way undo gives back exactly the list of the moment
// the snapshot was taken, and a later save never reaches into a snapshot.
TEST_F(UndoStoreTest, ASnapshotOfTheSavedDrawingIsItsFileAndStillTheListOfThatMoment) {
    fs::create_directories(Home.Path / "DWGS");
    const fs::path working = DrawingFilePath(S, ModeWorking);
    const auto sameFile = [](const fs::path& a, const fs::path& b) {
        std::error_code ec;
        return fs::equivalent(a, b, ec);
    };
    const struct {
        const char* Why;
        std::function<void(AppState&)> AfterSave;
        bool Linked;
    } cases[] = {
        {"unchanged since the save", [](AppState&) {}, true},
        {"a line moved in place", [](AppState& s) { s.DrawingObjects.At(FloorRecordCount)->X2 += 1; }, false},
        {"a line added", [](AppState& s) { s.DrawingObjects.Append(MakeObjectOfKind(1)); }, false},
        {"a header counter changed", [](AppState& s) { ++s.MarkCount; }, false},
        {"the file replaced outside the program",
         [&working](AppState&) { WriteFile(working, ReadFile(working)); }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Why);
        ASSERT_TRUE(UndoStore(S, UndoReset, ViewGround));
        AddLine();
        ASSERT_TRUE(SaveDrawing(S, ModeWorking).Ok());
        c.AfterSave(S);
        std::string expected, error;
        ASSERT_TRUE(FormatDrawing(S.DrawingObjects, S.Header(), S.Shift(), expected, error)) << error;

        ASSERT_TRUE(UndoStore(S, UndoRecord, ViewGround));
        EXPECT_EQ(sameFile(UndoSlotPath(S, 0), working), c.Linked);
        EXPECT_EQ(ReadFile(UndoSlotPath(S, 0)), expected) << "the snapshot is the list of its moment";

        AddLine();
        ASSERT_TRUE(SaveDrawing(S, ModeWorking).Ok());
        EXPECT_EQ(ReadFile(UndoSlotPath(S, 0)), expected) << "a later save leaves the snapshot alone";
        ASSERT_TRUE(UndoStore(S, UndoStoreUndo, ViewGround));
        std::string restored;
        ASSERT_TRUE(FormatDrawing(S.DrawingObjects, S.Header(), S.Shift(), restored, error)) << error;
        EXPECT_EQ(restored, expected);
    }
}

// A change left unsaved makes the working file a list of the past: a snapshot of it is written, and so is
// every later one, even of a list that has not changed since that snapshot.
TEST_F(UndoStoreTest, SnapshotsOfAnUnsavedChangeAreWrittenNotLinkedToTheSavedFile) {
    fs::create_directories(Home.Path / "DWGS");
    const fs::path working = DrawingFilePath(S, ModeWorking);
    ASSERT_TRUE(UndoStore(S, UndoReset, ViewGround));
    AddLine();
    ASSERT_TRUE(SaveDrawing(S, ModeWorking).Ok());
    const std::string saved = ReadFile(working);
    S.DrawingObjects.At(FloorRecordCount)->X2 += 7;
    std::string expected, error;
    ASSERT_TRUE(FormatDrawing(S.DrawingObjects, S.Header(), S.Shift(), expected, error)) << error;
    ASSERT_TRUE(UndoStore(S, UndoRecord, ViewGround));
    ASSERT_TRUE(UndoStore(S, UndoRecord, ViewGround));
    for (int slot : {0, 1})
        EXPECT_EQ(ReadFile(UndoSlotPath(S, slot)), expected) << "slot " << slot;
    EXPECT_EQ(ReadFile(working), saved);
}

// Every save starts from the text of the last one and formats only what changed: after each step of a
// session (lines added, one moved, one removed, undo, redo, a header counter, the file replaced outside the
// program) the working file is exactly a full save of the list, and the ring's record holds the size and
// checksum of the bytes each slot file really holds, linked or written.
TEST_F(UndoStoreTest, EachSaveOfASessionWritesTheBytesOfAFullSaveAndTheRingStampsTheRealBytes) {
    fs::create_directories(Home.Path / "DWGS");
    const fs::path working = DrawingFilePath(S, ModeWorking);
    ASSERT_TRUE(UndoStore(S, UndoReset, ViewGround));
    // As the tools change the drawing: the snapshot first.
    const auto edit = [this](const std::function<void()>& change) {
        ASSERT_TRUE(UndoStore(S, UndoRecord, ViewGround));
        change();
    };
    const struct {
        const char* What;
        std::function<void()> Step;
    } steps[] = {
        {"a line added", [&] { edit([&] { AddLine(); }); }},
        {"another", [&] { edit([&] { AddLine(); }); }},
        {"and a third", [&] { edit([&] { AddLine(); }); }},
        {"the middle line moved",
         [&] { edit([&] { S.DrawingObjects.At(FloorRecordCount + 1)->X1 = -99999; }); }},
        {"the first line removed", [&] { edit([&] { S.DrawingObjects.RemoveAt(FloorRecordCount); }); }},
        {"undo", [&] { ASSERT_TRUE(UndoStore(S, UndoStoreUndo, ViewGround)); }},
        {"undo again", [&] { ASSERT_TRUE(UndoStore(S, UndoStoreUndo, ViewGround)); }},
        {"redo", [&] { ASSERT_TRUE(UndoStore(S, UndoStoreRedo, ViewGround)); }},
        {"a header counter", [&] { edit([&] { S.NextElementNo += 1000; }); }},
        {"the file replaced outside the program", [&] { WriteFile(working, "1 0 0 0 1 0\r\n1\r\n"); }},
        {"nothing changed", [] {}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.What);
        step.Step();
        ASSERT_TRUE(SaveDrawing(S, ModeWorking).Ok());
        std::string expected, error;
        ASSERT_TRUE(FormatDrawing(S.DrawingObjects, S.Header(), S.Shift(), expected, error)) << error;
        EXPECT_EQ(ReadFile(working), expected);
    }

    std::istringstream record(ReadFile(Home.Path / "ACT" / "RING.CFG"));
    std::string line;
    std::getline(record, line), std::getline(record, line); // the owner, the view history
    for (int slot = 0; slot < 20; ++slot) {
        FileStamp stamp;
        ASSERT_TRUE(record >> stamp.Size >> stamp.Sum);
        if (fs::exists(UndoSlotPath(S, slot))) {
            EXPECT_EQ(stamp, StampOf(ReadFile(UndoSlotPath(S, slot)))) << "slot " << slot;
        }
    }
}

// Without a writable ACT folder every change still goes on; the user hears once per drawing opened that it
// cannot be undone, and why.
TEST_F(UndoStoreTest, WithoutAWritableActFolderChangesGoOnAndTheUserIsToldOnce) {
    std::ostringstream transcript;
    ScriptedUi ui(transcript);
    fs::remove_all(Home.Path / "ACT");
    WriteFile(Home.Path / "ACT", "a file where the folder should be");
    for (int k = 0; k < 3; ++k) {
        EXPECT_FALSE(RecordUndo(S, ui));
        AddLine();
    }
    EXPECT_EQ(Changes(), 3);
    EXPECT_EQ(ui.MessageCount(), 1) << transcript.str();
    EXPECT_EQ(ui.LastMessage().rfind("undo is not available: ", 0), 0u) << ui.LastMessage();
    EXPECT_NE(ui.LastMessage().find("ACT"), std::string::npos) << ui.LastMessage();

    ClaimUndoRing(S); // the drawing opened again
    EXPECT_FALSE(RecordUndo(S, ui));
    EXPECT_EQ(ui.MessageCount(), 2);

    fs::remove(Home.Path / "ACT");
    fs::create_directory(Home.Path / "ACT");
    EXPECT_TRUE(RecordUndo(S, ui));
    EXPECT_EQ(ui.MessageCount(), 2);
}

} // namespace
} // namespace velmora
