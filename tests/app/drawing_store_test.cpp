// The drawing's files bound to the program state: the file of each mode, a failed save that leaves the old
// drawing whole, and loads that never half-fill the list.
#include "app/drawing_store.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace fs = std::filesystem;
using namespace velmora;
using namespace velmora::test;

namespace {

void MakeHome(const fs::path& home) {
    for (const char* sub : {"DWGS", "WDS", "CFG", "ACT"})
        fs::create_directories(home / sub);
}

void AddFloorRecords(AppState& s) {
    for (int i = 0; i < 6; ++i)
        s.DrawingObjects.Append(std::make_unique<TInfoobj>(32000 + i, 120 + i, 0));
}

// A home folder with the drawing "A" open: its six floor records in the list, nothing on disk yet.
struct OpenDrawing {
    TempDir Dir;
    AppState S;
    OpenDrawing() {
        MakeHome(Dir.Path);
        S.HomePath = Dir.Path;
        S.DrawingName = "A";
        AddFloorRecords(S);
    }
};

} // namespace

TEST(DrawingStore, FileOfEachMode) {
    AppState s;
    s.HomePath = "/h";
    s.DrawingName = "Smith House";
    EXPECT_EQ(DrawingFilePath(s, ModeWorking), fs::path("/h/DWGS/Smith House.BMS"));
    EXPECT_EQ(DrawingFilePath(s, ModeWorkingToo), fs::path("/h/DWGS/Smith House.BMS"));
    EXPECT_EQ(DrawingFilePath(s, ModeCheckpoint), fs::path("/h/CFG/tmp.cfg"));
    EXPECT_EQ(DrawingFilePath(s, ModeSpare), fs::path("/h/CFG/inroom.cfg"));
    EXPECT_EQ(DrawingFilePath(s, ModeWizard), fs::path("/h/WDS/Smith House.BMS"));
    EXPECT_EQ(DrawingFilePath(s, ModeBackup), fs::path("/h/DWGS/Smith House.BAK"));
    // A guided sequence reads its drawings from WDS/, and writes the working copy as usual.
    s.WizardMode = 1;
    s.WizardStep = 100;
    EXPECT_EQ(DrawingFilePath(s, ModeWorking, true), fs::path("/h/WDS/Smith House.BMS"));
    EXPECT_EQ(DrawingFilePath(s, ModeWorking), fs::path("/h/DWGS/Smith House.BMS"));
}

TEST(DrawingStore, SaveAndLoadCarryTheHeaderAndMakeTheDrawingReady) {
    OpenDrawing open;
    TempDir& dir = open.Dir;
    AppState& s = open.S;
    s.NextElementNo = 12, s.DesignRoomCount = 3, s.MarkCount = 4, s.MetricFlag = 0;
    s.SetUnitsFromMetricFlag();
    ASSERT_TRUE(SaveDrawing(s, ModeWorking).Ok());
    EXPECT_EQ(s.DrawingReady, 2);

    AppState t;
    t.HomePath = dir.Path;
    t.DrawingName = "A";
    t.SetUnitsFromMetricFlag();
    ASSERT_TRUE(LoadDrawing(t, ModeWorking).Ok());
    EXPECT_EQ(t.DrawingObjects.ObjectCount(), 6);
    EXPECT_EQ(std::tuple(t.NextElementNo, t.DesignRoomCount, t.MarkCount, t.MetricFlag),
              std::tuple(12, 3, 4, 0));

    // The checkpoint mode appends to the list rather than replacing it.
    ASSERT_TRUE(SaveDrawing(s, ModeCheckpoint).Ok());
    ASSERT_TRUE(LoadDrawing(t, ModeCheckpoint).Ok());
    EXPECT_EQ(t.DrawingObjects.ObjectCount(), 12);
}

TEST(DrawingStore, FailedSaveReportsAndLeavesTheOldDrawingAsItWas) {
    OpenDrawing open;
    TempDir& dir = open.Dir;
    AppState& s = open.S;
    ASSERT_TRUE(SaveDrawing(s, ModeWorking).Ok());
    const std::string before = ReadFile(DrawingFilePath(s, ModeWorking));

    // The rename cannot replace a folder: the write fails after the temporary file was written.
    s.DrawingName = "Folder";
    fs::create_directories(DrawingFilePath(s, ModeWorking) / "inside");
    const FileResult failed = SaveDrawing(s, ModeWorking);
    EXPECT_EQ(failed.Status, FileStatus::Unwritable);
    EXPECT_NE(failed.Message.find("Folder.BMS"), std::string::npos) << failed.Message;

    s.DrawingName = "A";
    s.DrawingObjects.Append(std::make_unique<TLineobj>(1, 120, 0, 0, 1, 2, 3, 4, 0));
    s.HomePath = dir.Path / "no such home";
    EXPECT_FALSE(SaveDrawing(s, ModeWorking).Ok());
    s.HomePath = dir.Path;
    EXPECT_EQ(ReadFile(DrawingFilePath(s, ModeWorking)), before);
    for (const auto& entry : fs::directory_iterator(dir.Path / "DWGS"))
        EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();
}

TEST(DrawingStore, DamagedFileLeavesListAndStateAsTheyWereAndMissingFileEmptiesTheList) {
    OpenDrawing open;
    AppState& s = open.S;
    s.NextElementNo = 7;
    WriteFile(DrawingFilePath(s, ModeWorking), "3 0 0 0 1 99\r\n1\r\n1 120 0 0 1 2 3\r\n");
    const FileResult damaged = LoadDrawing(s, ModeWorking);
    EXPECT_EQ(damaged.Status, FileStatus::Damaged);
    EXPECT_NE(damaged.Message.find("A.BMS:3: "), std::string::npos) << damaged.Message;
    EXPECT_EQ(s.DrawingObjects.ObjectCount(), 6);
    EXPECT_EQ(s.NextElementNo, 7);

    // A FIFO under the drawing's name is refused as whole as a damaged file, and never waited on.
    s.DrawingName = "Pipe";
    ASSERT_EQ(::mkfifo(DrawingFilePath(s, ModeWorking).c_str(), 0644), 0);
    const FileResult fifo = LoadDrawing(s, ModeWorking);
    EXPECT_EQ(fifo.Status, FileStatus::Refused);
    EXPECT_EQ(fifo.Message, DrawingFilePath(s, ModeWorking).string() + ": is a FIFO, not a regular file");
    EXPECT_EQ(s.DrawingObjects.ObjectCount(), 6);

    s.DrawingName = "Gone";
    EXPECT_EQ(LoadDrawing(s, ModeWorking).Status, FileStatus::Missing);
    EXPECT_EQ(s.DrawingObjects.ObjectCount(), 0);
}

TEST(DrawingStore, PeekMetricFlagReadsOnlyTheHeader) {
    EXPECT_EQ(PeekMetricFlag("5 0 0 0 0 3\r\n"), 0);
    EXPECT_EQ(PeekMetricFlag("5 0 0 0 1 3\n garbage"), 1);
    EXPECT_EQ(PeekMetricFlag("5 0 0 0 4 3\n"), std::nullopt);
    EXPECT_EQ(PeekMetricFlag("5 0"), std::nullopt);
    EXPECT_EQ(PeekMetricFlag(""), std::nullopt);
}
