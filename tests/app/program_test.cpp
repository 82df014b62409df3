// The program core driven as the front ends drive it: start-up with its timer, menu commands by handler
// name, F1, exit; and the Customise commands with their refusals, minimums and files.
#include "app/drawing_store.h"
#include "app/help_pages.h"
#include "app/menu_table.h"
#include "app/program.h"
#include "app/sample_drawing.h"
#include "platform/scripted_ui.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <sstream>
#include <sys/stat.h>

namespace velmora {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::WriteFile;

constexpr const char* TimerGuide =
    "GUIDE: Select 'File', then 'New', 'Open' or a file from the 'history list' ";

// A fresh copy of the installed home folder, a program on it and a scripted Ui.
class ProgramTest : public ::testing::Test {
protected:
    ProgramTest() : Ui(Transcript), Prog(State, Ui) {
        fs::copy(VELMORA_HOME_TEMPLATE, Home.Path, fs::copy_options::recursive);
        State.HomePath = Home.Path;
    }
    ~ProgramTest() override { EXPECT_EQ(Ui.Failure(), "") << Transcript.str(); }

    fs::path Cfg(const std::string& name) const { return Home.Path / "CFG" / name; }
    std::string Setting(const std::string& name) const { return ReadFile(Cfg(name)); }
    void SetRecent(const std::string& line) { WriteFile(Cfg("LASTFILES.CFG"), line); }
    void StartAndRunTimer() {
        Prog.Start();
        Ui.RunPendingTimers();
    }
    void Answer(const std::string& caption, const std::vector<std::string>& words) {
        Ui.Queue(ScriptAnswer::ForDialog(caption, words));
    }
    void AnswerMetric(bool metric) {
        Answer("select measuring system to use", {metric ? "metric" : "feet && inches", "O K"});
    }

    test::TempDir Home;
    AppState State;
    std::ostringstream Transcript;
    ScriptedUi Ui;
    Program Prog;
};

// --- start-up and the timer -------------------------------------------------------------------------------

TEST_F(ProgramTest, StartOpensTheFirstRecentDrawingAsAPlan) {
    StartAndRunTimer();
    EXPECT_TRUE(Ui.HasDrawingWindow());
    EXPECT_EQ(Ui.WindowCaption(), std::string(SampleDrawingName) + ".PLN");
    EXPECT_EQ(State.DrawingName, SampleDrawingName);
    EXPECT_EQ(State.DrawingReady, 2);
    EXPECT_EQ(State.CurrentView, ViewGround);
    EXPECT_GT(State.DrawingObjects.ObjectCount(), FloorRecordCount);
    EXPECT_NE(Prog.Window(), nullptr);
    EXPECT_EQ(Ui.Panel(0), TimerGuide);
    // The open drawing is kept out of the recent list until it is left.
    EXPECT_EQ(Ui.RecentFiles(), std::vector<std::string>{});
}

TEST_F(ProgramTest, MissingGuideOrAutoscrollSettingsStopTheStartBeforeTheTimer) {
    for (const char* file : {"GUIDE.CFG", "AUTOSCROLL.CFG"}) {
        SCOPED_TRACE(file);
        fs::copy_file(Cfg(file), Cfg(std::string(file) + ".keep"));
        fs::remove(Cfg(file));
        AppState state;
        state.HomePath = Home.Path;
        Program program(state, Ui);
        program.Start();
        EXPECT_EQ(Ui.LastMessage(), "Error: .cfg file missing");
        EXPECT_EQ(Ui.PendingTimers(), 0u);
        EXPECT_FALSE(Ui.HasDrawingWindow());
        // The frame stays usable.
        EXPECT_TRUE(program.RunCommand("CmQuickstartExecute"));
        fs::rename(Cfg(std::string(file) + ".keep"), Cfg(file));
    }
}

TEST_F(ProgramTest, TimerWithoutAUsableFirstEntryLeavesTheFrameEmpty) {
    struct Case {
        const char* Why;
        const char* Recent;
    };
    const Case cases[] = {
        {"empty list", "0 0 0 0 "},
        {"file gone", "4 0 0 0 Gone"},
        {"name leaves DWGS", "13 0 0 0 ../CFG/GUIDE"},
        {"no list at all", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Why);
        if (*c.Recent) {
            SetRecent(c.Recent);
        } else {
            fs::remove(Cfg("LASTFILES.CFG"));
        }
        AppState state;
        state.HomePath = Home.Path;
        Program program(state, Ui);
        program.Start();
        Ui.RunPendingTimers();
        EXPECT_EQ(Ui.LastMessage(), "no drawing of that name");
        EXPECT_FALSE(Ui.HasDrawingWindow());
        EXPECT_EQ(program.Window(), nullptr);
        EXPECT_LT(state.DrawingReady, 2);
        EXPECT_EQ(Ui.Panel(0), TimerGuide);
    }
}

// A FIFO under a drawing's name would wait for a writer for ever, a link to /dev/zero read until the memory
// runs out: each is refused at once, from the recent list and from Open, with the one line that says why.
TEST_F(ProgramTest, NamesThatAreNoDrawingFilesAreRefusedAtOnce) {
    const test::Watchdog watchdog(20);
    const fs::path dwgs = Home.Path / "DWGS";
    ASSERT_EQ(::mkfifo((dwgs / "Pipe.BMS").c_str(), 0644), 0);
    fs::create_symlink("/dev/zero", dwgs / "Zero.BMS");
    fs::create_directory(dwgs / "Folder.BMS");
    const struct {
        const char* Name;
        const char* What;
    } cases[] = {{"Pipe", "a FIFO"}, {"Zero", "a device"}, {"Folder", "a directory"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::string refusal = std::string("the drawing ") + c.Name + " cannot be opened (" + c.Name +
                                    ".BMS is " + c.What + ", not a regular file) - the file is left as it is";
        SetRecent(std::to_string(std::string(c.Name).size()) + " 0 0 0 " + c.Name);
        AppState state;
        state.HomePath = Home.Path;
        Program program(state, Ui);
        program.Start();
        Ui.RunPendingTimers();
        EXPECT_EQ(Ui.LastMessage(), refusal);
        EXPECT_FALSE(Ui.HasDrawingWindow());
        EXPECT_LT(state.DrawingReady, 2);

        Ui.Queue(ScriptAnswer::ForFile(std::string(c.Name) + ".BMS"));
        EXPECT_TRUE(program.RunCommand("CmFileopenExecute"));
        EXPECT_EQ(Ui.LastMessage(), refusal);
        EXPECT_FALSE(Ui.HasDrawingWindow());
    }
    EXPECT_TRUE(fs::is_fifo(dwgs / "Pipe.BMS"));
    EXPECT_TRUE(fs::is_symlink(dwgs / "Zero.BMS"));
}

TEST_F(ProgramTest, StartRemovesWhatSavesCutShortLeftBehind) {
    const fs::path leftover = Home.Path / "DWGS" / (std::string(SampleDrawingName) + ".BMS.tmpX1y2Z3");
    WriteFile(leftover, "7 0 0 0 1 1\r\n32000 120");
    fs::permissions(leftover, fs::perms::owner_read | fs::perms::owner_write);
    StartAndRunTimer();
    EXPECT_FALSE(fs::exists(leftover));
    EXPECT_EQ(State.DrawingName, SampleDrawingName);
}

// The file is refused before anything of it is taken: not its measuring system (an imperial header here),
// not the sheet or the overlays that opening it would reset.
TEST_F(ProgramTest, DamagedDrawingIsReportedAndLeftAsItWas) {
    const std::string broken = "7 0 0 0 0 1\r\n120 32000 1 0 0 0 this is not a record\r\n";
    WriteFile(Home.Path / "DWGS" / "Broken.BMS", broken);
    WriteFile(Cfg("OVERLAY.CFG"), "0 1 0 0 0 0 0");
    SetRecent("6 0 0 0 Broken");
    const int sheetWidth = State.SheetWidth, sheetHeight = State.SheetHeight;
    StartAndRunTimer();
    EXPECT_NE(Ui.LastMessage().find("Broken"), std::string::npos) << Ui.LastMessage();
    EXPECT_NE(Ui.LastMessage().find("(line 2: "), std::string::npos) << Ui.LastMessage();
    EXPECT_FALSE(Ui.HasDrawingWindow());
    EXPECT_EQ(ReadFile(Home.Path / "DWGS" / "Broken.BMS"), broken);
    EXPECT_EQ(State.MetricFlag, 1);
    EXPECT_EQ(State.UnitsPerLogical, 5);
    EXPECT_EQ(std::pair(State.SheetWidth, State.SheetHeight), std::pair(sheetWidth, sheetHeight));
    EXPECT_EQ(Setting("OVERLAY.CFG"), "0 1 0 0 0 0 0");
}

// The file's coordinates are relative to the sheet of its own measuring system: an imperial drawing opened
// while the program is metric must come back exactly as it was written.
// The file's coordinates are relative to the imperial sheet, in imperial units: whatever sheet the window's
// shape then makes, the list in memory is what the file says on it.
TEST_F(ProgramTest, ImperialDrawingIsReadOnTheImperialSheet) {
    TFlist written;
    DrawingHeader header;
    MakeSampleDrawing(written, header);
    header.MetricFlag = 0;
    const auto path = Home.Path / "DWGS" / "Imperial.BMS";
    ASSERT_TRUE(WriteDrawingFile(path, written, header, CoordShift::ForSheet(19200, 12000, 6)).Ok());
    SetRecent("8 0 0 0 Imperial");
    ASSERT_EQ(State.MetricFlag, 1);

    StartAndRunTimer();
    ASSERT_EQ(State.DrawingReady, 2) << Ui.LastMessage();
    EXPECT_EQ(State.MetricFlag, 0);
    EXPECT_EQ(State.UnitsPerLogical, 6);
    EXPECT_EQ(Setting("DWGSIZEI.CFG"),
              std::to_string(State.SheetWidth) + " " + std::to_string(State.SheetHeight));
    std::string text, error;
    ASSERT_TRUE(FormatDrawing(State.DrawingObjects, State.Header(), State.Shift(), text, error)) << error;
    EXPECT_EQ(text, ReadFile(path));
}

TEST_F(ProgramTest, ExitRecordsTheOpenDrawingAndClosesTheWindow) {
    StartAndRunTimer();
    ASSERT_TRUE(Prog.RunCommand("CmExitExecute"));
    EXPECT_TRUE(Prog.ExitRequested());
    EXPECT_EQ(Setting("LASTDWG.CFG"), "12 Sample House\r\n");
    EXPECT_FALSE(Ui.HasDrawingWindow());
    EXPECT_EQ(State.DrawingObjects.ObjectCount(), 0);
    EXPECT_TRUE(Prog.CloseRequested()); // the frame's close after the menu's exit runs nothing twice
}

// --- commands by handler name ------------------------------------------------------------------------------

TEST_F(ProgramTest, CommandsNotBuiltYetAreDisabledAndRefuseToRun) {
    Prog.Start();
    for (const char* handler : {"CmRotatedwgExecute", "CmCopyExecute"}) {
        SCOPED_TRACE(handler);
        EXPECT_TRUE(IsKnownHandler(handler));
        EXPECT_FALSE(Prog.CommandEnabled(handler));
        EXPECT_FALSE(Ui.MenuEnabled(handler));
        EXPECT_FALSE(Prog.RunCommand(handler));
    }
    EXPECT_FALSE(Prog.RunCommand("CmNoSuchExecute"));
    EXPECT_TRUE(Ui.MenuEnabled("CmDefmergeExecute"));
    EXPECT_EQ(Ui.MessageCount(), 0);
}

// The menu table and the registry agree: what the table shows enabled runs, what it shows disabled has no
// command behind it.
TEST(MenuTable, BuiltItemsHaveCommandsAndOthersHaveNone) {
    AppState state;
    std::ostringstream out;
    ScriptedUi ui(out);
    Program program(state, ui);
    for (std::string_view handler : AllHandlers()) {
        SCOPED_TRACE(std::string(handler));
        EXPECT_EQ(program.CommandEnabled(handler), IsBuiltHandler(handler));
    }
    const MenuItem* exit = FindMenuItem("CmExitExecute");
    ASSERT_NE(exit, nullptr);
    EXPECT_EQ(exit->Caption, "Exit");
    std::vector<std::string_view> shortcuts;
    for (const Menu& menu : MenuTable())
        for (const MenuItem& item : menu.Items)
            if (!item.Shortcut.empty()) shortcuts.push_back(item.Shortcut);
    EXPECT_EQ(shortcuts.size(), 11u);
    std::sort(shortcuts.begin(), shortcuts.end());
    EXPECT_EQ(std::adjacent_find(shortcuts.begin(), shortcuts.end()), shortcuts.end())
        << "a shortcut used twice";
}

TEST(ContextHelp, PageFollowsTheLastCommandsArea) {
    const std::pair<int, const char*> table[] = {
        {500, "content.htm"}, {400, "qstart.htm"},  {107, "qstart.htm"},     {101, "examplewall.htm"},
        {200, "file.htm"},    {241, "tools.htm"},   {254, "adjustwall.htm"}, {290, "windoor.htm"},
        {330, "library.htm"}, {390, "library.htm"}, {380, "glossary.htm"},   {0, "qstart.htm"},
        {999, "qstart.htm"},
    };
    for (const auto& [area, page] : table)
        EXPECT_EQ(ContextHelpPage(area), page) << area;
    for (int area = 0; area <= 600; ++area)
        EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(VELMORA_HELP_DIR) / ContextHelpPage(area)))
            << area;
}

TEST_F(ProgramTest, F1NeedsADrawingAndThenShowsThePageOfTheLastCommand) {
    Prog.KeyDown(KeyEvent{Key::F1});
    EXPECT_EQ(Ui.LastMessage(), "You must open a drawing FILE first");
    EXPECT_EQ(Ui.HelpPage(), "");

    StartAndRunTimer();
    State.LastCommand = 260;
    Prog.KeyDown(KeyEvent{Key::F1});
    EXPECT_EQ(Ui.HelpPage(), "droom.htm");
}

TEST_F(ProgramTest, HelpMenuItemsShowTheirPages) {
    const std::pair<const char*, const char*> items[] = {
        {"CmQuickstartExecute", "qstart.htm"},       {"CmIndexExecute", "contents.htm"},
        {"CmExamplewallExecute", "examplewall.htm"}, {"CmExampledrmExecute", "exampledrm.htm"},
        {"CmDesroomExecute", "droom.htm"},           {"CmExternwallExecute", "extwall.htm"},
        {"CmTerminology1Execute", "glossary.htm"},
    };
    for (const auto& [handler, page] : items) {
        ASSERT_TRUE(Prog.RunCommand(handler)) << handler;
        EXPECT_EQ(Ui.HelpPage(), page) << handler;
        EXPECT_TRUE(fs::exists(fs::path(VELMORA_HELP_DIR) / page)) << page;
    }
}

TEST_F(ProgramTest, AboutBoxNamesTheProgram) {
    const DialogDescription about = AboutDialog();
    ASSERT_NE(about.Field("Velmora 11.1"), nullptr);
    Answer(about.Caption, {"O K"});
    ASSERT_TRUE(Prog.RunCommand("HelpAbout1Execute"));
    EXPECT_TRUE(Ui.PendingAnswers().empty());
}

// --- Customise ---------------------------------------------------------------------------------------------

TEST_F(ProgramTest, ArrowOffsetsRefuseOutOfRangeValuesAndKeepTheDialogOpen) {
    struct Case {
        bool Metric;
        const char* Field;
        const char* Value;
        const char* Message;
    };
    const Case cases[] = {
        {true, "overall external dimensions", "5001", "overall input is incorrect\n100 - 5000 mm."},
        {true, "internal dimensions", "99", "internal input is incorrect\n100 - 3000 mm."},
        {true, "external dimensions", "lots", "external input is incorrect\n100 - 3000 mm."},
        {true, "dimension text size", "13", "dimension text input is incorrect\n8 - 12"},
        // Imperial inches are checked as the world units they are stored as (x 24): 100 - 3000 and
        // 100 - 5000, so 4 inches (96) is too short and 125 inches (3000) still fits.
        {false, "internal dimensions", "4", "internal input is incorrect\n4 - 120 inches"},
        {false, "external dimensions", "126", "external input is incorrect\n4 - 120 inches"},
        {false, "overall external dimensions", "209", "overall input is incorrect\n4 - 200 inches"},
        {false, "overall external dimensions", "3", "overall input is incorrect\n4 - 200 inches"},
        // 178956975 x 24 wraps round to 104 in 32 bits.
        {false, "internal dimensions", "178956975", "internal input is incorrect\n4 - 120 inches"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Field) + "=" + c.Value);
        const std::string before = Setting(c.Metric ? "MOFFSET.CFG" : "IOFFSET.CFG");
        AnswerMetric(c.Metric);
        Answer("showing dimensions", {std::string(c.Field) + "=" + c.Value, "O K"});
        Answer("showing dimensions", {"Cancel"});
        ASSERT_TRUE(Prog.RunCommand("CmDefdimensExecute"));
        EXPECT_EQ(Ui.LastMessage(), c.Message);
        EXPECT_EQ(Setting(c.Metric ? "MOFFSET.CFG" : "IOFFSET.CFG"), before);
        EXPECT_EQ(State.LastCommand, 310);
    }
}

TEST_F(ProgramTest, ArrowOffsetsStoreImperialInchesAsWorldUnitsAndKeepTheTextSizes) {
    WriteFile(Cfg("IOFFSET.CFG"), "384 576 960 0 10 7 11");
    AnswerMetric(false);
    Answer("showing dimensions",
           {"internal dimensions=5", "external dimensions=125", "overall external dimensions=208",
            "show vertical dimensions along their line", "O K"});
    ASSERT_TRUE(Prog.RunCommand("CmDefdimensExecute"));
    EXPECT_EQ(Setting("IOFFSET.CFG"), "120 3000 4992 2700 10 7 11");
    EXPECT_EQ(State.MetricFlag, 0);
    EXPECT_EQ(Setting("METRIC.CFG"), "0");
}

TEST_F(ProgramTest, CancellingTheMeasuringSystemQuestionEndsTheCommand) {
    const std::string before = Setting("MERGEM.CFG");
    Answer("select measuring system to use", {"Cancel"});
    ASSERT_TRUE(Prog.RunCommand("CmDefmergeExecute"));
    EXPECT_EQ(Setting("MERGEM.CFG"), before);
    EXPECT_TRUE(Ui.PendingAnswers().empty());
}

// A word in a size box is refused with the box's own words, rather than counted as 10 unseen.
TEST_F(ProgramTest, RoomTextSizesRefuseOutsideSixToTwentyAndRefuseWords) {
    WriteFile(Cfg("MOFFSET.CFG"), "400 600 1000 0 10 8 10");
    AnswerMetric(true);
    Answer("text sizes for rooms", {"text size of room name=21", "O K"});
    Answer("text sizes for rooms", {"dimensions size=5", "text size of room name=12", "O K"});
    Answer("text sizes for rooms", {"dimensions size=abc", "O K"});
    Answer("text sizes for rooms", {"dimensions size=10", "O K"});
    ASSERT_TRUE(Prog.RunCommand("CmDefrmtextExecute"));
    EXPECT_EQ(Ui.MessageCount(), 3);
    EXPECT_EQ(Ui.LastMessage(), "dimensions input is incorrect\n6 - 20");
    EXPECT_EQ(Setting("MOFFSET.CFG"), "400 600 1000 0 10 10 12");
}

TEST_F(ProgramTest, MergingDistanceIsRaisedToItsMinimum) {
    struct Case {
        bool Metric;
        const char* Stored;
        std::optional<std::string> Typed; // nothing: the box is cancelled
        const char* Expected;
    };
    const Case cases[] = {
        {true, "150\r\n", "10", "50\r\n"},
        {true, "150\r\n", "nothing", "50\r\n"},
        {true, "150\r\n", "300", "300\r\n"},
        {true, "150\r\n", std::nullopt, "150\r\n"},
        {false, "144\r\n", "1", "48\r\n"},
        {false, "144\r\n", "x", "48\r\n"},
        {false, "144\r\n", "5", "120\r\n"},
        {false, "150\r\n", std::nullopt, "144\r\n"}, // cancelling keeps whole inches
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Metric ? "metric " : "imperial ") + c.Typed.value_or("<cancel>"));
        const std::string file = c.Metric ? "MERGEM.CFG" : "MERGEI.CFG";
        WriteFile(Cfg(file), c.Stored);
        AnswerMetric(c.Metric);
        Ui.Queue(c.Typed ? ScriptAnswer::ForInput(*c.Typed) : ScriptAnswer::Cancelled(AnswerKind::Input));
        ASSERT_TRUE(Prog.RunCommand("CmDefmergeExecute"));
        EXPECT_EQ(Setting(file), c.Expected);
        EXPECT_EQ(Ui.Panel(0), "GUIDE: input Merging distance for room alignment");
    }
}

TEST_F(ProgramTest, LayoutGridSpacingMinimumsAndCancel) {
    struct Case {
        bool Metric;
        std::optional<std::string> Typed;
        const char* Expected;
    };
    const Case cases[] = {
        {false, std::nullopt, "250 12632256\r\n"}, // cancel keeps even a spacing of no whole inch
        {false, "3", "240 12632256\r\n"},          {false, "12", "288 12632256\r\n"},
        {true, "100", "250 12632256\r\n"},         {true, "grid", "250 12632256\r\n"},
        {true, std::nullopt, "250 12632256\r\n"},  {true, "600", "600 12632256\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Metric ? "metric " : "imperial ") + c.Typed.value_or("<cancel>"));
        const std::string file = c.Metric ? "LYTGRIDM.CFG" : "LYTGRIDI.CFG";
        WriteFile(Cfg(file), "250 12632256\r\n");
        AnswerMetric(c.Metric);
        Ui.Queue(c.Typed ? ScriptAnswer::ForInput(*c.Typed) : ScriptAnswer::Cancelled(AnswerKind::Input));
        Ui.Queue(ScriptAnswer::Cancelled(AnswerKind::Colour));
        ASSERT_TRUE(Prog.RunCommand("CmDeflytgridExecute"));
        EXPECT_EQ(Setting(file), c.Expected);
        EXPECT_EQ(State.LastCommand, 260);
    }
}

TEST_F(ProgramTest, LayoutGridColourKeepsTheSpacing) {
    WriteFile(Cfg("LYTGRIDM.CFG"), "500 12632256\r\n");
    AnswerMetric(true);
    Ui.Queue(ScriptAnswer::Cancelled(AnswerKind::Input));
    Ui.Queue(ScriptAnswer::ForColour(255));
    ASSERT_TRUE(Prog.RunCommand("CmDeflytgridExecute"));
    EXPECT_EQ(Setting("LYTGRIDM.CFG"), "500 255\r\n");
    EXPECT_EQ(Ui.Panel(0), "Press FILE/NEW or FILE/OPEN");
}

TEST_F(ProgramTest, ScreenColoursKeepEveryColourChosen) {
    WriteFile(Cfg("CLR.CFG"), "16777215 0 255\r\n");
    Ui.Queue(ScriptAnswer::ForColour(Rgb(0, 0, 64)));
    Ui.Queue(ScriptAnswer::Cancelled(AnswerKind::Colour));
    Ui.Queue(ScriptAnswer::Cancelled(AnswerKind::Colour));
    ASSERT_TRUE(Prog.RunCommand("CmDefclrsExecute"));
    EXPECT_EQ(State.BackgroundColour, Rgb(0, 0, 64));
    EXPECT_EQ(Setting("CLR.CFG"), std::to_string(Rgb(0, 0, 64)) + " 0 255\r\n");
    EXPECT_EQ(Ui.LastMessage(), "Select your OVERLAY COLOUR in the next dialogue box");
    EXPECT_EQ(Ui.Panel(0), "GUIDE: Select OVERLAY COLOUR");
}

TEST_F(ProgramTest, RoomColoursChangeOnlyTheOneChosen) {
    WriteFile(Cfg("RMCLR.CFG"), "1 2 3");
    Ui.Queue(ScriptAnswer::Cancelled(AnswerKind::Colour));
    Ui.Queue(ScriptAnswer::ForColour(77));
    Ui.Queue(ScriptAnswer::Cancelled(AnswerKind::Colour));
    ASSERT_TRUE(Prog.RunCommand("CmDefroomclrsExecute"));
    EXPECT_EQ(Setting("RMCLR.CFG"), "1 77 3");
}

TEST_F(ProgramTest, GuideLineSettingsSayRestartOnlyWhenChanged) {
    WriteFile(Cfg("GUIDE.CFG"), "3 12648447\r\n");
    Answer("Guide Line Details", {"at bottom of screen", "O K"});
    ASSERT_TRUE(Prog.RunCommand("CmGuideLineExecute"));
    EXPECT_EQ(Ui.MessageCount(), 0);
    EXPECT_EQ(Setting("FILLCLR.CFG"), "12648447\r\n"); // the chooser's preset

    Answer("Guide Line Details", {"at top of screen", "change guide colour"});
    Ui.Queue(ScriptAnswer::ForColour(4210752));
    Answer("Guide Line Details", {"O K"});
    ASSERT_TRUE(Prog.RunCommand("CmGuideLineExecute"));
    EXPECT_EQ(Setting("GUIDE.CFG"), "1 4210752\r\n");
    EXPECT_EQ(Ui.LastMessage(), " To re set the guide line now, close and restart the programme");
}

TEST_F(ProgramTest, ZoomStyleFromBothMenus) {
    for (const char* handler : {"CmZoomstyle1Execute", "ZoomStyle2Click"}) {
        WriteFile(Cfg("ZOOMSTYLE.CFG"), "0");
        Answer("zoom style", {"show new view at previous zoom state", "O K"});
        ASSERT_TRUE(Prog.RunCommand(handler));
        EXPECT_EQ(Setting("ZOOMSTYLE.CFG"), "1") << handler;
    }
    Answer("zoom style", {"Help"});
    Answer("zoom style", {"Cancel"});
    ASSERT_TRUE(Prog.RunCommand("CmZoomstyle1Execute"));
    EXPECT_EQ(Ui.HelpPage(), "custom.htm");
}

TEST_F(ProgramTest, FontDialogWritesTheTextDefaults) {
    FontAnswer font;
    font.Face = "Liberation Serif";
    font.Size = 14;
    font.Bold = true;
    font.Colour = 255;
    Ui.Queue(ScriptAnswer::ForFont(font));
    ASSERT_TRUE(Prog.RunCommand("CmDeftextExecute"));
    EXPECT_EQ(Setting("TEXT.CFG"), "14 0 700 16Liberation Serif");
    EXPECT_EQ(Prog.TextColour(), 255);
}

} // namespace
} // namespace velmora
