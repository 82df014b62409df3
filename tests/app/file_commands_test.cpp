// The file commands driven as the user drives them: New with both methods and both measuring systems, Open
// and the recent entries, Save, Save As, Autosave, Autoscroll, keeping or giving up changes, and the session
// scripts of tests/scripts whose files are checked here record by record and byte by byte.
#include "app/drawing_open.h"
#include "app/drawing_store.h"
#include "app/keep_changes.h"
#include "app/program.h"
#include "app/recent_files.h"
#include "app/sample_drawing.h"
#include "app/session_script.h"
#include "app/undo_store.h"
#include "dialogs/new_drawing_dialog.h"
#include "tools/drawing_tool.h"
#include "model/drawing_names.h"
#include "model/file_io.h"
#include "platform/recording_canvas.h"
#include "platform/scripted_ui.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

namespace velmora {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;

constexpr const char* Sample = SampleDrawingName;
constexpr const char* NameError = "You must have between 1 to 24 letters or spaces - start File / New again";

// The kinds and views of a drawing file's records, in order.
std::vector<std::pair<int, int>> KindsAndViews(const fs::path& file) {
    TFlist list;
    DrawingHeader header;
    EXPECT_TRUE(ReadDrawingFile(file, CoordShift{}, list, header).Ok()) << file;
    std::vector<std::pair<int, int>> out;
    for (const auto& obj : list)
        out.emplace_back(obj->Kind, obj->View);
    return out;
}

bool StartsWithFloorRecords(const fs::path& file) {
    const auto records = KindsAndViews(file);
    if (records.size() < 6) return false;
    for (int i = 0; i < 6; ++i)
        if (records[static_cast<std::size_t>(i)] != std::pair{32000 + i, 120 + i}) return false;
    return true;
}

// The program as a session script drives it, without a screen.
class ProgramHost : public ScriptHost {
public:
    ProgramHost(Program& program, ScriptedUi& ui, fs::path home) : P(program), U(ui), Home(std::move(home)) {}
    ScriptedUi& ScriptUi() override { return U; }
    bool RunCommand(const std::string& handler) override { return P.RunCommand(handler); }
    void Key(const KeyEvent& key) override { P.KeyDown(key); }
    void Mouse(MouseAction action, std::optional<MouseButton> button, Point p) override {
        if (action == MouseAction::Move) return P.MouseMove(p, button == MouseButton::Left);
        const MouseButton b = button.value_or(MouseButton::Left);
        action == MouseAction::Down ? P.MouseDown(b, p) : P.MouseUp(b, p);
    }
    bool SaveView(const fs::path&) override { return false; }
    fs::path HomeFolder() const override { return Home; }

private:
    Program& P;
    ScriptedUi& U;
    fs::path Home;
};

// A fresh copy of the installed home folder, a program on it, started, with the sample house open.
class FileCommandsTest : public ::testing::Test {
protected:
    FileCommandsTest() : Ui(Transcript), Prog(State, Ui) {
        fs::copy(VELMORA_HOME_TEMPLATE, Home.Path, fs::copy_options::recursive);
        State.HomePath = Home.Path;
        Ui.SetClientSize({1280, 800});
    }
    ~FileCommandsTest() override {
        EXPECT_EQ(Ui.Failure(), "") << Transcript.str();
        EXPECT_TRUE(Ui.PendingAnswers().empty()) << "answers left unused\n" << Transcript.str();
    }

    void Start() {
        Prog.Start();
        Ui.RunPendingTimers();
        ASSERT_EQ(State.DrawingName, Sample) << Transcript.str();
        ASSERT_EQ(State.DrawingReady, 2);
    }
    fs::path Dwg(const std::string& name) const { return Home.Path / "DWGS" / (name + ".BMS"); }
    fs::path Cfg(const std::string& name) const { return Home.Path / "CFG" / name; }
    std::string Setting(const std::string& name) const { return ReadFile(Cfg(name)); }
    void AnswerNew(const std::vector<std::string>& words) {
        Ui.Queue(ScriptAnswer::ForDialog("new drawing", words));
    }
    // A New by external walls goes on to the wall set-up: the type and the inner side as offered.
    void AnswerNewWithWalls(const std::vector<std::string>& words) {
        AnswerNew(words);
        AnswerWallSetup();
    }
    void AnswerWallSetup() {
        Ui.Queue(ScriptAnswer::ForDialog("external wall type", {"OK"}));
        Ui.Queue(ScriptAnswer::ForDialog("secondary wall lines", {"OK"}));
    }
    void AnswerMessage(MessageReply reply) { Ui.Queue(ScriptAnswer::ForMessage(reply)); }
    void Run(const char* handler) { ASSERT_TRUE(Prog.RunCommand(handler)) << handler; }
    // A change as the editing commands make one: an object appended, the drawing written, SaveState 1.
    void ChangeDrawing() {
        State.DrawingObjects.Append(std::make_unique<TLineobj>(1, ViewGround, 0, 0, 100, 100, 900, 900, 0));
        ASSERT_TRUE(SaveDrawing(State, ModeWorking).Ok());
        if (State.SaveState == 0) State.SaveState = 1;
    }
    std::vector<std::string> DrawingFiles() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(Home.Path / "DWGS"))
            names.push_back(e.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }
    // Runs tests/scripts/<name>.vms after its #setup lines, with the program started as velmora starts it.
    ScriptResult RunSessionScript(const std::string& name) {
        const fs::path script = fs::path(VELMORA_FIXTURES) / ".." / "scripts" / (name + ".vms");
        std::ifstream in(script);
        for (std::string line; std::getline(in, line);) {
            std::istringstream words(line);
            std::string tag, action, a, b;
            words >> tag >> action >> std::quoted(a) >> std::quoted(b);
            if (tag != "#setup") continue;
            if (action == "copy")
                fs::copy_file(test::Fixture(a), Home.Path / b, fs::copy_options::overwrite_existing);
        }
        Prog.Start();
        ProgramHost host(Prog, Ui, Home.Path);
        return RunScriptFile(script, host);
    }

    test::TempDir Home;
    AppState State;
    std::ostringstream Transcript;
    ScriptedUi Ui;
    Program Prog;
};

// --- New --------------------------------------------------------------------------------------------------

TEST(NewDrawingDialog, OpensOnTheStoredChoicesWithItsNameBoxAndHelpPage) {
    const DialogDescription walls = TTNewDlg::Make(2, 0);
    EXPECT_EQ(walls.Caption, "new drawing");
    EXPECT_EQ(walls.HelpPage, "file.htm");
    EXPECT_EQ(walls.Value("name"), "client");
    EXPECT_EQ(walls.Field("name")->MaxLength, 24);
    EXPECT_TRUE(walls.IsOn("draw external walls"));
    EXPECT_TRUE(walls.IsOn("feet and inches"));
    for (const char* button : {"O K", "Cancel", "Help"})
        EXPECT_NE(walls.Button(button), nullptr) << button;

    const DialogDescription rooms = TTNewDlg::Make(1, 5);
    EXPECT_TRUE(rooms.IsOn("layout rooms first"));
    EXPECT_TRUE(rooms.IsOn("metric"));
}

TEST(DrawingNames, OnlyLettersDigitsAndInnerBlanksMakeAName) {
    const struct {
        const char* Typed;
        const char* Name; // "" when refused
    } cases[] = {
        {"Smith House", "Smith House"},
        {"  Smith House  ", "Smith House"},
        {"24 letters exactly here", "24 letters exactly here"},
        {"twenty five letters here!", ""},
        {"this name is far too long", ""},
        {"", ""},
        {"    ", ""},
        {"../CFG/GUIDE", ""},
        {"a/b", ""},
        {"a\\b", ""},
        {"house.BMS", ""},
        {"..", ""},
        {"tab\there", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Typed);
        const std::string tidy = TidyDrawingName(c.Typed);
        EXPECT_EQ(IsValidDrawingName(tidy) ? tidy : std::string(), c.Name);
    }
}

TEST_F(FileCommandsTest, NewWithEitherMethodAndSystemStartsWithTheSixFloorRecords) {
    const struct {
        const char* Method;
        const char* Units;
        const char* Caption;
        int View;
        int Metric;
        int UnitsPerLogical;
        const char* Start;
    } cases[] = {
        {"draw external walls", "metric", "Walls M.PLN", ViewGround, 1, 5, "2"},
        {"draw external walls", "feet and inches", "Walls I.PLN", ViewGround, 0, 6, "2"},
        {"layout rooms first", "metric", "Rooms M.LYT", ViewLayout, 1, 5, "1"},
        {"layout rooms first", "feet and inches", "Rooms I.LYT", ViewLayout, 0, 6, "1"},
    };
    Start();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Caption);
        const std::string name = std::string(c.Caption).substr(0, 7);
        if (std::string(c.Method) == "draw external walls")
            AnswerNewWithWalls({"name=" + name, c.Method, c.Units, "OK"});
        else
            AnswerNew({"name=" + name, c.Method, c.Units, "OK"});
        Run("CmFilenewExecute");
        EXPECT_EQ(State.DrawingName, name);
        EXPECT_EQ(Ui.WindowCaption(), c.Caption);
        EXPECT_EQ(State.DrawingReady, 2);
        EXPECT_EQ(State.CurrentView, c.View);
        EXPECT_EQ(State.MetricFlag, c.Metric);
        EXPECT_EQ(State.UnitsPerLogical, c.UnitsPerLogical);
        EXPECT_EQ(State.DrawingObjects.ObjectCount(), 6);
        EXPECT_TRUE(StartsWithFloorRecords(Dwg(name)));
        EXPECT_EQ(KindsAndViews(Dwg(name)).size(), 6u);
        // The checkpoint is the new drawing, not an empty list.
        EXPECT_EQ(ReadFile(Cfg("tmp.cfg")), ReadFile(Dwg(name)));
        EXPECT_EQ(Setting("START.CFG"), c.Start);
        EXPECT_EQ(Setting("METRIC.CFG"), std::to_string(c.Metric));
        EXPECT_EQ(State.SaveState, 1);
        if (c.View == ViewGround) {
            // The walls method leaves the external-wall tool waiting for the start point.
            EXPECT_EQ(Ui.Panel(0), "GUIDE: Draw outer line of EXTERNAL walls, press ENTER on start point then "
                                   "use arrow keys for input");
            EXPECT_EQ(Ui.Panel(2), "external walls");
        } else {
            // The layout method leaves the design-room tool waiting for its first room.
            EXPECT_EQ(Ui.Panel(0), "GUIDE: Assemble your design rooms - add using the Design Room Icon");
            EXPECT_EQ(Ui.Panel(2), " design rooms");
            ASSERT_TRUE(State.CurrentTool);
            EXPECT_EQ(State.CurrentTool->Mode, 29000);
        }
    }
    // The drawings left are remembered, most recent first; the file names the open one on top as well.
    EXPECT_EQ(HeldRecentFiles(State), (RecentList{"Rooms M", "Walls I", "Walls M", Sample}));
    EXPECT_EQ(ReadRecentFiles(Home.Path), (RecentList{"Rooms I", "Rooms M", "Walls I", "Walls M"}));
}

TEST_F(FileCommandsTest, CancelledOrRefusedNewLeavesNoDrawingToOverwriteThePreviousOne) {
    Start();
    Run("CmSaveExecute"); // written once on the sheet of this window, the file stays byte for byte
    const std::string before = ReadFile(Dwg(Sample));
    const auto filesBefore = DrawingFiles();
    const struct {
        const char* Why;
        std::vector<std::string> Answer;
        const char* Message;
    } cases[] = {
        {"cancelled", {"Cancel"}, ""},
        {"empty name", {"name=", "OK"}, NameError},
        {"blanks only", {"name=   ", "OK"}, NameError},
        {"leaves the folder", {"name=../CFG/GUIDE", "OK"}, NameError},
        {"extension", {"name=plan.BMS", "OK"}, NameError},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Why);
        Ui.Queue(ScriptAnswer::ForFile(std::string(Sample) + ".BMS"));
        Run("CmFileopenExecute");
        ASSERT_EQ(State.DrawingName, Sample);
        const RecentList recent = ReadRecentFiles(Home.Path);
        AnswerNew(c.Answer);
        // A refused name keeps the dialog open: only the Cancel that follows ends the New.
        if (*c.Message) AnswerNew({"Cancel"});
        Run("CmFilenewExecute");
        EXPECT_TRUE(Ui.PendingAnswers().empty());
        if (*c.Message) {
            EXPECT_EQ(Ui.LastMessage(), c.Message);
            EXPECT_EQ(Ui.LastMessageTitle(), "Drawing Name Error");
        }
        EXPECT_LT(State.DrawingReady, 2);
        EXPECT_FALSE(Ui.HasDrawingWindow());
        EXPECT_EQ(Ui.Panel(0), NoDrawingGuide); // no longer asking for a name
        // Nothing a user can do now writes the emptied list anywhere.
        Run("CmSaveExecute");
        Run("CmAutosaveExecute");
        Run("CmAutosaveExecute");
        Run("CmExitExecute");
        EXPECT_EQ(ReadFile(Dwg(Sample)), before);
        EXPECT_EQ(DrawingFiles(), filesBefore);
        // Nothing was opened in its place, so the recent list is as it stood.
        EXPECT_EQ(ReadRecentFiles(Home.Path), recent);
    }
}

// A New that cannot write its checkpoint is refused before its drawing file exists; one whose window cannot
// be made takes back the file it made. Either way DWGS/ is as it was and the drawing left stays on top.
TEST_F(FileCommandsTest, NewRefusedAfterItsFilesLeavesNothingBehind) {
    Start();
    const auto filesBefore = DrawingFiles();
    fs::remove(Cfg("tmp.cfg"));
    fs::create_directory(Cfg("tmp.cfg")); // a checkpoint that cannot be written
    AnswerNew({"name=Fresh", "OK"});
    Run("CmFilenewExecute");
    EXPECT_NE(Ui.LastMessage().find("tmp.cfg"), std::string::npos) << Ui.LastMessage();
    EXPECT_LT(State.DrawingReady, 2);
    EXPECT_EQ(DrawingFiles(), filesBefore);
    EXPECT_EQ(ReadRecentFiles(Home.Path)[0], Sample);
    fs::remove(Cfg("tmp.cfg"));
}

// A front end that cannot make the drawing window.
class NoWindowUi : public ScriptedUi {
public:
    using ScriptedUi::ScriptedUi;
    void OpenDrawingWindow(const std::string&) override {}
};

TEST(NewDrawing, RefusedForWantOfAWindowTakesBackTheFileItMade) {
    test::TempDir home;
    fs::copy(VELMORA_HOME_TEMPLATE, home.Path, fs::copy_options::recursive);
    std::ostringstream transcript;
    NoWindowUi ui(transcript);
    AppState state;
    state.HomePath = home.Path;
    Program program(state, ui);
    ui.Queue(ScriptAnswer::ForDialog("new drawing", {"name=Fresh", "OK"}));
    ASSERT_TRUE(program.RunCommand("CmFilenewExecute"));
    EXPECT_EQ(ui.LastMessage(), "Error: cannot create that file");
    EXPECT_LT(state.DrawingReady, 2);
    EXPECT_FALSE(fs::exists(home.Path / "DWGS" / "Fresh.BMS"));
    EXPECT_EQ(ui.Failure(), "") << transcript.str();
}

// A drawing kept in another folder and linked into DWGS/ is saved through the link: the link stays, the file
// it leads to is replaced in its own folder, and no temporary file is left in either.
TEST_F(FileCommandsTest, ALinkedDrawingIsSavedThroughItsLink) {
    const fs::path shared = Home.Path / "shared";
    fs::create_directory(shared);
    fs::copy_file(Dwg(Sample), shared / "House.BMS");
    fs::create_symlink(shared / "House.BMS", Dwg("Linked"));
    Start();
    Ui.Queue(ScriptAnswer::ForFile("Linked.BMS"));
    Run("CmFileopenExecute");
    ASSERT_EQ(State.DrawingName, "Linked");
    ChangeDrawing();
    Run("CmSaveExecute");
    EXPECT_TRUE(fs::is_symlink(Dwg("Linked")));
    EXPECT_EQ(fs::read_symlink(Dwg("Linked")), shared / "House.BMS");
    EXPECT_EQ(KindsAndViews(shared / "House.BMS").size(), KindsAndViews(Dwg(Sample)).size() + 1);
    EXPECT_EQ(std::distance(fs::directory_iterator(shared), fs::directory_iterator()), 1);
    for (const std::string& name : DrawingFiles())
        EXPECT_FALSE(IsAtomicWriteTemporaryName(name)) << name;
}

TEST_F(FileCommandsTest, NewOverAnExistingDrawingAsksFirst) {
    Start();
    Run("CmSaveExecute");
    const std::string before = ReadFile(Dwg(Sample));
    AnswerNew({"name=  " + std::string(Sample), "OK"});
    AnswerMessage(MessageReply::No);
    Run("CmFilenewExecute");
    EXPECT_EQ(ReadFile(Dwg(Sample)), before);
    EXPECT_LT(State.DrawingReady, 2);

    Run("CmLast1Execute");
    AnswerNew({"name=" + std::string(Sample), "OK"});
    AnswerMessage(MessageReply::Yes);
    AnswerWallSetup();
    Run("CmFilenewExecute");
    EXPECT_EQ(State.DrawingReady, 2);
    EXPECT_EQ(KindsAndViews(Dwg(Sample)).size(), 6u);
    // The drawing replaced is not listed beside the one that replaced it.
    EXPECT_NE(HeldRecentFiles(State)[0], Sample);
    const RecentList onDisk = ReadRecentFiles(Home.Path);
    EXPECT_EQ(onDisk[0], Sample);
    EXPECT_EQ(std::count(onDisk.begin(), onDisk.end(), Sample), 1);
}

TEST_F(FileCommandsTest, NewStartsAnEmptyUndoRingOfItsOwn) {
    Start();
    ChangeDrawing();
    ASSERT_TRUE(RecordUndo(State, Ui));
    AnswerNewWithWalls({"name=Fresh", "OK"});
    Run("CmFilenewExecute");
    EXPECT_EQ(UndoRingOwner(State), "Fresh");
    EXPECT_EQ(State.ViewHistory, (std::array<int, 10>{}));
}

// --- Open and the recent entries ---------------------------------------------------------------------------

TEST_F(FileCommandsTest, OpenChoosesFromTheDrawingFolderAndRecordsTheDrawingLeft) {
    Start();
    AnswerNewWithWalls({"name=Second", "OK"});
    Run("CmFilenewExecute");
    Ui.Queue(ScriptAnswer::ForFile(std::string(Sample) + ".BMS"));
    Run("CmFileopenExecute");
    EXPECT_NE(Transcript.str().find((Home.Path / "DWGS").string() + " Plan files (*.BMS)|*.BMS"),
              std::string::npos);
    EXPECT_EQ(State.DrawingName, Sample);
    EXPECT_EQ(Ui.WindowCaption(), std::string(Sample) + ".PLN");
    EXPECT_EQ(State.SaveState, 0);
    EXPECT_EQ(HeldRecentFiles(State), (RecentList{"Second", "", "", ""}));
    EXPECT_EQ(ReadRecentFiles(Home.Path), (RecentList{Sample, "Second", "", ""}));
    EXPECT_EQ(ReadFile(Cfg("tmp.cfg")), ReadFile(Dwg(Sample)));

    // Cancel opens nothing in place of the drawing left: the recent list stays as it stood.
    Ui.Queue(ScriptAnswer::Cancelled(AnswerKind::File));
    Run("CmFileopenExecute");
    EXPECT_EQ(State.DrawingReady, 1);
    EXPECT_FALSE(Ui.HasDrawingWindow());
    // The file keeps the list it held (a crash now still finds it); the menu shows the list without it.
    EXPECT_EQ(ReadRecentFiles(Home.Path), (RecentList{Sample, "Second", "", ""}));
    EXPECT_EQ(Ui.RecentFiles(), (std::vector<std::string>{"Second"}));
}

TEST_F(FileCommandsTest, RecentEntryOpensItAndPutsTheDrawingLeftOnTop) {
    Start();
    for (const char* name : {"One", "Two"}) {
        AnswerNewWithWalls({std::string("name=") + name, "OK"});
        Run("CmFilenewExecute");
    }
    ASSERT_EQ(HeldRecentFiles(State), (RecentList{"One", Sample, "", ""}));
    Run("CmLast2Execute");
    EXPECT_EQ(State.DrawingName, Sample);
    EXPECT_EQ(HeldRecentFiles(State), (RecentList{"Two", "One", "", ""}));
    EXPECT_EQ(ReadRecentFiles(Home.Path), (RecentList{Sample, "Two", "One", ""}));
    EXPECT_EQ(Ui.RecentFiles(), (std::vector<std::string>{"Two", "One"}));
}

// A crash or a power cut can come at any moment: LASTFILES.CFG always names the open drawing first, as exit
// would leave it, and is never the empty list while a drawing is open.
TEST_F(FileCommandsTest, WhileADrawingIsOpenTheRecentFileNamesItFirst) {
    const std::string shipped = Setting("LASTFILES.CFG");
    Start();
    EXPECT_EQ(Setting("LASTFILES.CFG"), shipped);
    EXPECT_TRUE(Ui.RecentFiles().empty()) << "the menu still leaves the open drawing out";

    AnswerNewWithWalls({"name=Second", "OK"});
    Run("CmFilenewExecute");
    EXPECT_EQ(Setting("LASTFILES.CFG"), "6 12 0 0 SecondSample House");
    EXPECT_EQ(Ui.RecentFiles(), std::vector<std::string>{Sample});

    Run("CmLast1Execute");
    EXPECT_EQ(Setting("LASTFILES.CFG"), "12 6 0 0 Sample HouseSecond");
    Run("CmExitExecute");
    EXPECT_EQ(Setting("LASTFILES.CFG"), "12 6 0 0 Sample HouseSecond");
}

TEST_F(FileCommandsTest, ALayoutDrawingOpensOnTheLayoutAndAPlanTakesItsDesignRoomsOntoTheGroundFloor) {
    Start();
    auto write = [this](const std::string& name, bool withWall) {
        AppState s;
        s.HomePath = Home.Path;
        s.DrawingName = name;
        TakeUnitsOfDrawing(s, "0 0 0 0 1 1");
        for (int i = 0; i < 6; ++i)
            s.DrawingObjects.Append(std::make_unique<TInfoobj>(32000 + i, 120 + i, 0));
        auto room = MakeObjectOfKind(29000);
        room->View = ViewLayout;
        s.DrawingObjects.Append(std::move(room));
        if (withWall)
            s.DrawingObjects.Append(std::make_unique<TLineobj>(1, ViewGround, 0, 0, 0, 0, 500, 0, 0));
        ASSERT_TRUE(SaveDrawing(s, ModeWorking).Ok());
    };
    write("Layout Only", false);
    write("With Plan", true);

    Ui.Queue(ScriptAnswer::ForFile("Layout Only.BMS"));
    Run("CmFileopenExecute");
    EXPECT_EQ(Ui.WindowCaption(), "Layout Only.LYT");
    EXPECT_EQ(State.CurrentView, ViewLayout);
    EXPECT_EQ(State.LayoutGridOn, 1);

    Ui.Queue(ScriptAnswer::ForFile("With Plan.BMS"));
    Run("CmFileopenExecute");
    EXPECT_EQ(Ui.WindowCaption(), "With Plan.PLN");
    EXPECT_EQ(State.CurrentView, ViewGround);
    EXPECT_EQ(KindsAndViews(Dwg("With Plan"))[6], (std::pair{29500, int{ViewGround}}));
}

// Room lettering takes the face and italic flag of TEXT.CFG as Open reads it, never a face of its own.
TEST_F(FileCommandsTest, RoomsAreLetteredInTheFaceAndSlantOfTheTextSettings) {
    Start();
    {
        AppState s;
        s.HomePath = Home.Path;
        s.DrawingName = "Rooms";
        TakeUnitsOfDrawing(s, "0 0 0 0 1 1");
        for (int i = 0; i < 6; ++i)
            s.DrawingObjects.Append(std::make_unique<TInfoobj>(32000 + i, 120 + i, 0));
        auto room = std::make_unique<TRoomobj>();
        room->Kind = 29000;
        room->View = ViewLayout;
        room->X1 = 10000, room->Y1 = 9000, room->X2 = 13000, room->Y2 = 6000;
        room->RoomWidth = room->RoomLength = 3000;
        room->TextSize = 10;
        room->SetRoomName("Lounge");
        s.DrawingObjects.Append(std::move(room));
        ASSERT_TRUE(SaveDrawing(s, ModeWorking).Ok());
    }
    const struct {
        const char* Settings;
        const char* Face;
        bool Italic;
    } cases[] = {{"10 1 400 7Gentium", "Gentium", true}, {"12 0 700 9Open Sans", "Open Sans", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Settings);
        test::WriteFile(Cfg("TEXT.CFG"), c.Settings);
        Ui.Queue(ScriptAnswer::ForFile("Rooms.BMS"));
        Run("CmFileopenExecute");
        ASSERT_EQ(State.CurrentView, ViewLayout);
        RecordingCanvas dc;
        Prog.Paint(dc, std::nullopt);
        const auto texts = dc.CallsOf(CanvasOp::TextOut);
        ASSERT_FALSE(texts.empty());
        EXPECT_EQ(texts[0]->Text, "Lounge");
        for (const CanvasCall* t : texts) {
            EXPECT_EQ(t->State.CurrentFont.FaceName, c.Face);
            EXPECT_EQ(t->State.CurrentFont.Italic, c.Italic);
        }
    }
}

// --- Save, Save As, Autosave, Autoscroll, the File menu
// -----------------------------------------------------

TEST_F(FileCommandsTest, SaveWritesTheCheckpointAndOnlyWithADrawingReady) {
    Start();
    ChangeDrawing();
    ASSERT_NE(ReadFile(Cfg("tmp.cfg")), ReadFile(Dwg(Sample)));
    Run("CmSaveExecute");
    EXPECT_EQ(ReadFile(Cfg("tmp.cfg")), ReadFile(Dwg(Sample)));
    EXPECT_EQ(State.SaveState, 0);
    EXPECT_EQ(State.LastCommand, 200);
}

TEST_F(FileCommandsTest, SaveAsWritesAnIdenticalCopyAndKeepsTheOpenDrawing) {
    Start();
    ChangeDrawing();
    const std::string open = ReadFile(Dwg(Sample));
    Ui.Queue(ScriptAnswer::ForDialog("save drawing to a new name", {"name= Copy House ", "OK"}));
    Run("CmSaveasExecute");
    EXPECT_EQ(Ui.Panel(0), "GUIDE: Saves this file group to a new drawing name, original is still in use");
    EXPECT_EQ(ReadFile(Dwg("Copy House")), open);
    EXPECT_EQ(ReadFile(Dwg(Sample)), open);
    EXPECT_EQ(State.DrawingName, Sample);
    EXPECT_EQ(Ui.WindowCaption(), std::string(Sample) + ".PLN");
    // What was saved is what "do not keep changes" returns to.
    EXPECT_EQ(State.SaveState, 0);
    EXPECT_EQ(ReadFile(Cfg("tmp.cfg")), open);
}

TEST_F(FileCommandsTest, SaveAsOverAnotherDrawingAsksAndRefusesBadNames) {
    Start();
    test::WriteFile(Dwg("Other"), "kept as it is");
    const auto filesBefore = DrawingFiles();
    Ui.Queue(ScriptAnswer::ForDialog("save drawing to a new name", {"name=Other", "OK"}));
    AnswerMessage(MessageReply::No);
    Run("CmSaveasExecute");
    EXPECT_EQ(ReadFile(Dwg("Other")), "kept as it is");

    for (const char* bad : {"name=", "name=../Other", "name=a.b"}) {
        Ui.Queue(ScriptAnswer::ForDialog("save drawing to a new name", {bad, "OK"}));
        Ui.Queue(ScriptAnswer::ForDialog("save drawing to a new name", {"Cancel"}));
        Run("CmSaveasExecute");
        EXPECT_TRUE(Ui.PendingAnswers().empty()) << bad; // the refusal kept the dialog open
        EXPECT_EQ(Ui.LastMessage(), "You must have between 1 to 24 letters or spaces") << bad;
        EXPECT_EQ(Ui.LastMessageTitle(), "Drawing Name Error") << bad;
    }
    EXPECT_EQ(DrawingFiles(), filesBefore);

    Ui.Queue(ScriptAnswer::ForDialog("save drawing to a new name", {"name=Other", "OK"}));
    AnswerMessage(MessageReply::Yes);
    Run("CmSaveasExecute");
    EXPECT_EQ(ReadFile(Dwg("Other")), ReadFile(Dwg(Sample)));
}

TEST_F(FileCommandsTest, AutosaveTogglesAndKeepsItsStateInTheSaveFile) {
    Start();
    ChangeDrawing();
    Run("CmAutosaveExecute");
    EXPECT_EQ(State.SaveState, 2);
    EXPECT_EQ(Setting("SAVE.CFG"), "2");
    Run("File1Click");
    EXPECT_TRUE(Ui.MenuChecked("CmAutosaveExecute"));
    EXPECT_FALSE(Ui.MenuEnabled("CmSaveExecute"));
    // Turning it off makes the present state the one "do not keep changes" returns to.
    Run("CmAutosaveExecute");
    EXPECT_EQ(State.SaveState, 1);
    EXPECT_EQ(Setting("SAVE.CFG"), "1");
    EXPECT_EQ(ReadFile(Cfg("tmp.cfg")), ReadFile(Dwg(Sample)));
    Run("File1Click");
    EXPECT_FALSE(Ui.MenuChecked("CmAutosaveExecute"));
    EXPECT_TRUE(Ui.MenuEnabled("CmSaveExecute"));
    EXPECT_TRUE(Ui.MenuEnabled("CmSaveasExecute"));
}

TEST_F(FileCommandsTest, AutoscrollTogglesAndIsKeptInItsFile) {
    Start();
    const struct { int Before, After; } cases[] = {{0, 1}, {1, 0}, {2, 0}};
    for (const auto& c : cases) {
        State.AutoscrollFlag = c.Before;
        Run("CmAutoscrollExecute");
        EXPECT_EQ(State.AutoscrollFlag, c.After) << c.Before;
        EXPECT_EQ(Setting("AUTOSCROLL.CFG"), std::to_string(c.After));
        Run("File1Click");
        EXPECT_EQ(Ui.MenuChecked("CmAutoscrollExecute"), c.After == 1);
    }
}

// --- keeping changes and exit
// -------------------------------------------------------------------------------

TEST_F(FileCommandsTest, AskToKeepChangesKeepsOrReturnsToTheCheckpoint) {
    Start();
    const std::string saved = ReadFile(Dwg(Sample));
    ChangeDrawing();
    const std::string changed = ReadFile(Dwg(Sample));
    AnswerMessage(MessageReply::Yes);
    AskToKeepChanges(State, Ui);
    EXPECT_EQ(ReadFile(Cfg("tmp.cfg")), changed);
    EXPECT_EQ(State.SaveState, 1);

    test::WriteFile(Cfg("tmp.cfg"), saved);
    AnswerMessage(MessageReply::No);
    AskToKeepChanges(State, Ui);
    EXPECT_EQ(ReadFile(Dwg(Sample)), saved);
    EXPECT_EQ(State.SaveState, 0);
}

// Every file of the home folder with its bytes.
std::map<std::string, std::string> FilesOf(const fs::path& home) {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(home))
        if (e.is_regular_file()) files[fs::relative(e.path(), home)] = ReadFile(e.path());
    return files;
}

// Cancel on the save question (Escape, or the box closed) means staying: wherever it is asked, nothing is
// written or discarded and the command ends on the view it was asked from, the changes still unsaved.
TEST_F(FileCommandsTest, CancelOnTheSaveQuestionStaysWithTheChangesWhereverItIsAsked) {
    Start();
    const char* const places[] = {
        "CmExitExecute",   "", "CmPlanExecute", "CmPlan1Execute", "CmSubfloorExecute", "CmSiteExecute",
        "CmLayout1Execute"};
    for (const std::string handler : places) {
        SCOPED_TRACE(handler.empty() ? "the frame's close box" : handler);
        ChangeDrawing();
        const auto files = FilesOf(Home.Path);
        const int objects = State.DrawingObjects.ObjectCount();
        AnswerMessage(MessageReply::Cancel);
        if (handler.empty()) {
            EXPECT_FALSE(Prog.CloseRequested());
        } else {
            Run(handler.c_str());
        }
        EXPECT_EQ(Ui.LastMessage(), "do you wish to save drawing changes?");
        EXPECT_FALSE(Prog.ExitRequested());
        EXPECT_TRUE(FilesOf(Home.Path) == files);
        EXPECT_EQ(State.DrawingObjects.ObjectCount(), objects);
        EXPECT_EQ(State.SaveState, 1);
        EXPECT_EQ(State.CurrentView, ViewGround);
        EXPECT_EQ(State.DrawingReady, 2);
        EXPECT_EQ(Ui.WindowCaption(), std::string(Sample) + ".PLN");
    }
    // The question still answers Yes and No as before.
    AnswerMessage(MessageReply::Yes);
    Run("CmExitExecute");
    EXPECT_TRUE(Prog.ExitRequested());
    EXPECT_EQ(ReadFile(Cfg("tmp.cfg")), ReadFile(Dwg(Sample)));
}

// A checkpoint that holds nothing, or cannot be read, is not the drawing as last saved: "No" must never
// delete or empty the drawing.
TEST_F(FileCommandsTest, NoToKeepingChangesNeverDeletesTheDrawing) {
    Start();
    for (const char* checkpoint : {"0 0 0 0 1 1\r\n", "garbage", ""}) {
        SCOPED_TRACE(checkpoint);
        ChangeDrawing();
        const std::string changed = ReadFile(Dwg(Sample));
        if (*checkpoint) {
            test::WriteFile(Cfg("tmp.cfg"), checkpoint);
        } else {
            fs::remove(Cfg("tmp.cfg"));
        }
        State.SaveState = 1;
        AnswerMessage(MessageReply::No);
        AskToKeepChanges(State, Ui);
        EXPECT_EQ(ReadFile(Dwg(Sample)), changed);
        EXPECT_GT(State.DrawingObjects.ObjectCount(), 6);
        EXPECT_EQ(Ui.MessageCount() > 0, true);
    }
}

TEST_F(FileCommandsTest, NoAtExitAfterNewKeepsTheNewDrawingsFloorRecords) {
    Start();
    AnswerNewWithWalls({"name=Brand New", "OK"});
    Run("CmFilenewExecute");
    ChangeDrawing();
    AnswerMessage(MessageReply::No);
    Run("CmExitExecute");
    ASSERT_TRUE(fs::exists(Dwg("Brand New")));
    EXPECT_EQ(KindsAndViews(Dwg("Brand New")).size(), 6u);
    EXPECT_TRUE(StartsWithFloorRecords(Dwg("Brand New")));
    EXPECT_EQ(ReadRecentFiles(Home.Path)[0], "Brand New");
    EXPECT_EQ(ReadRecentFiles(Home.Path)[1], Sample);
}

TEST_F(FileCommandsTest, ExitWithAutosaveWritesTheDrawingWithoutAsking) {
    Start();
    Run("CmAutosaveExecute");
    ChangeDrawing();
    const std::string changed = ReadFile(Dwg(Sample));
    Run("CmExitExecute");
    EXPECT_EQ(ReadFile(Dwg(Sample)), changed);
    EXPECT_EQ(ReadRecentFiles(Home.Path)[0], Sample);
}

// --- the session scripts
// --------------------------------------------------------------------------------------

TEST_F(FileCommandsTest, ScriptNewGivesTheFloorRecordsFirst) {
    const ScriptResult r = RunSessionScript("new_drawing_floor_records");
    ASSERT_TRUE(r.Ok) << r.Message << "\n" << Transcript.str();
    for (const char* name : {"Smith House", "Jones"}) {
        EXPECT_TRUE(StartsWithFloorRecords(Dwg(name))) << name;
        EXPECT_EQ(KindsAndViews(Dwg(name)).size(), 6u) << name;
    }
}

TEST_F(FileCommandsTest, ScriptSaveAsLeavesTheOpenDrawingAndWritesAnIdenticalCopy) {
    const std::string original = ReadFile(Dwg(Sample));
    const ScriptResult r = RunSessionScript("save_as_copy");
    ASSERT_TRUE(r.Ok) << r.Message << "\n" << Transcript.str();
    EXPECT_EQ(ReadFile(Dwg(Sample)), original);
    EXPECT_EQ(ReadFile(Dwg("Copy House")), ReadFile(Dwg(Sample)));
    EXPECT_EQ(State.DrawingName, Sample);
}

TEST_F(FileCommandsTest, ScriptDamagedDrawingIsRefusedAndLeftByteForByte) {
    const ScriptResult r = RunSessionScript("open_damaged_drawing");
    ASSERT_TRUE(r.Ok) << r.Message << "\n" << Transcript.str();
    EXPECT_EQ(ReadFile(Dwg("Damaged")), ReadFile(test::Fixture("damaged.BMS")));
    EXPECT_LT(State.DrawingReady, 2);
    EXPECT_EQ(State.DrawingObjects.ObjectCount(), 0);
}

TEST_F(FileCommandsTest, ScriptCancelledNewKeepsThePreviousDrawingIntact) {
    const std::string original = ReadFile(Dwg(Sample));
    const ScriptResult r = RunSessionScript("cancelled_new");
    ASSERT_TRUE(r.Ok) << r.Message << "\n" << Transcript.str();
    EXPECT_EQ(ReadFile(Dwg(Sample)), original);
    EXPECT_EQ(DrawingFiles(), std::vector<std::string>{std::string(Sample) + ".BMS"});
}

} // namespace
} // namespace velmora
