// Settings that feed the screen mapping, the coordinate shift and the start-up, held to their ranges: a bad
// value makes no good drawing look damaged, is never written back, and the user hears which settings file
// was wrong.
#include "app/program.h"
#include "app/settings_bounds.h"
#include "platform/scripted_ui.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <sstream>

namespace velmora {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::WriteFile;

const std::string Sample = "Sample House";

// A fresh copy of the installed home folder with one settings file replaced, and a program on it.
struct BadSettingHome {
    test::TempDir Home;
    AppState State;
    std::ostringstream Transcript;
    ScriptedUi Ui{Transcript};
    Program Prog{State, Ui};

    BadSettingHome(const std::string& file, const std::string& text) {
        fs::copy(VELMORA_HOME_TEMPLATE, Home.Path, fs::copy_options::recursive);
        State.HomePath = Home.Path;
        WriteFile(Cfg(file), text);
    }
    ~BadSettingHome() { EXPECT_EQ(Ui.Failure(), "") << Transcript.str(); }

    fs::path Cfg(const std::string& name) const { return Home.Path / "CFG" / name; }
    fs::path Dwg(const std::string& name) const { return Home.Path / "DWGS" / (name + ".BMS"); }
    void StartAndRunTimer() {
        Prog.Start();
        Ui.RunPendingTimers();
    }
};

const char* const UnusableSheets[] = {
    "2147483647 2147483647", "0 0", "-5000 2500", "20000 99", "5000", "sheet", "",
};

TEST(SettingsBounds, AnUnusableSheetFallsBackToTheDefaultAndBlamesTheSettingsFile) {
    for (const char* stored : UnusableSheets) {
        SCOPED_TRACE(stored);
        BadSettingHome h("DWGSIZEM.CFG", stored);
        const std::string original = ReadFile(h.Dwg(Sample));
        h.StartAndRunTimer();
        const std::string transcript = h.Transcript.str();
        ASSERT_EQ(h.State.DrawingReady, 2) << transcript;
        EXPECT_EQ(transcript.find("damaged"), std::string::npos) << transcript;
        EXPECT_NE(transcript.find("CFG/DWGSIZEM.CFG"), std::string::npos) << transcript;
        EXPECT_EQ(h.Ui.MessageCount(), 1) << transcript; // told once, though the sheet is read twice
        // The default sheet, in the proportions of the 1280 x 800 window, replaces what was there.
        EXPECT_EQ(ReadFile(h.Cfg("DWGSIZEM.CFG")), "20000 12500");
        ASSERT_TRUE(h.Prog.RunCommand("CmSaveExecute"));
        EXPECT_EQ(ReadFile(h.Dwg(Sample)), original);
    }
}

// New reads the sheet of the measuring system chosen and writes it back through the view set-up: never the
// value that was wrong.
TEST(SettingsBounds, NewWritesTheDefaultSheetNotTheUnusableOne) {
    for (const char* file : {"DWGSIZEM.CFG", "DWGSIZEI.CFG"}) {
        SCOPED_TRACE(file);
        const bool metric = std::string(file) == "DWGSIZEM.CFG";
        BadSettingHome h(file, "2147483647 2147483647");
        h.StartAndRunTimer();
        h.Ui.Queue(ScriptAnswer::ForDialog("new drawing", {"name=Smith", "draw external walls",
                                                           metric ? "metric" : "feet and inches", "OK"}));
        h.Ui.Queue(ScriptAnswer::ForDialog("external wall type", {"OK"}));
        h.Ui.Queue(ScriptAnswer::ForDialog("secondary wall lines", {"OK"}));
        ASSERT_TRUE(h.Prog.RunCommand("CmFilenewExecute"));
        ASSERT_EQ(h.State.DrawingName, "Smith") << h.Transcript.str();
        const SheetSize d = DefaultSheet(metric ? 1 : 0);
        EXPECT_EQ(h.State.SheetWidth, d.Width);
        EXPECT_EQ(ReadFile(h.Cfg(file)), std::to_string(d.Width) + " " + std::to_string(h.State.SheetHeight));
        EXPECT_NE(h.Transcript.str().find(std::string("CFG/") + file), std::string::npos)
            << h.Transcript.str();
    }
}

// A guide line or autoscroll setting that is there but unusable is no reason to stop every start: the
// default is used and written back. Only a missing file stops the start (tested with the start-up).
TEST(SettingsBounds, AnUnusableStartSettingTakesItsDefault) {
    struct Case {
        const char* File;
        const char* Stored;
        const char* Repaired;
    };
    const Case cases[] = {
        {"GUIDE.CFG", "", "3 12648447\r\n"},
        {"GUIDE.CFG", "top yellow", "3 12648447\r\n"},
        {"GUIDE.CFG", "9 255", "3 12648447\r\n"},
        {"GUIDE.CFG", "1 -1", "3 12648447\r\n"},
        {"AUTOSCROLL.CFG", "", "0"},
        {"AUTOSCROLL.CFG", "on", "0"},
        {"AUTOSCROLL.CFG", "77", "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.File) + " holding '" + c.Stored + "'");
        BadSettingHome h(c.File, c.Stored);
        h.StartAndRunTimer();
        EXPECT_EQ(h.Transcript.str().find(".cfg file missing"), std::string::npos) << h.Transcript.str();
        EXPECT_EQ(h.State.DrawingName, Sample);
        EXPECT_EQ(h.Prog.GuidePosition(), 3);
        EXPECT_EQ(h.Prog.GuideColour(), 12648447);
        EXPECT_EQ(h.State.AutoscrollFlag, 0);
        EXPECT_EQ(ReadFile(h.Cfg(c.File)), c.Repaired);
    }
}

// Values the mapping can use are taken as they are, and nothing is said or written.
TEST(SettingsBounds, UsableValuesAreTakenAsTheyAre) {
    BadSettingHome h("GUIDE.CFG", "1 255");
    WriteFile(h.Cfg("AUTOSCROLL.CFG"), "1");
    WriteFile(h.Cfg("DWGSIZEM.CFG"), "8000 5000");
    h.StartAndRunTimer();
    EXPECT_EQ(h.Ui.MessageCount(), 0) << h.Transcript.str();
    EXPECT_EQ(h.Prog.GuidePosition(), 1);
    EXPECT_EQ(h.Prog.GuideColour(), 255);
    EXPECT_EQ(h.State.AutoscrollFlag, 1);
    EXPECT_EQ(h.State.SheetWidth, 8000);
    EXPECT_EQ(ReadFile(h.Cfg("GUIDE.CFG")), "1 255");
}

TEST(SettingsBounds, ValuesAreWrittenInTheFormatOfTheirFile) {
    test::TempDir home;
    fs::create_directories(home.Path / "CFG");
    std::string error;
    const double sheet[] = {20000, 12500}, scale[] = {5, 20}, guide[] = {3, 12648447};
    ASSERT_TRUE(WriteSettingsValues(home.Path, "DWGSIZEM.CFG", sheet, error)) << error;
    ASSERT_TRUE(WriteSettingsValues(home.Path, "SCALEVIEWI.CFG", scale, error)) << error;
    ASSERT_TRUE(WriteSettingsValues(home.Path, "GUIDE.CFG", guide, error)) << error;
    EXPECT_EQ(ReadFile(home.Path / "CFG" / "DWGSIZEM.CFG"), "20000 12500");
    EXPECT_EQ(ReadFile(home.Path / "CFG" / "SCALEVIEWI.CFG"), "5.000000 20.000000");
    EXPECT_EQ(ReadFile(home.Path / "CFG" / "GUIDE.CFG"), "3 12648447\r\n");
    // A file with strings, a count the format does not have, a file the catalogue does not know.
    EXPECT_FALSE(WriteSettingsValues(home.Path, "LASTDWG.CFG", sheet, error));
    EXPECT_FALSE(WriteSettingsValues(home.Path, "DWGSIZEM.CFG", std::span<const double>(guide, 1), error));
    EXPECT_FALSE(WriteSettingsValues(home.Path, "NOSUCH.CFG", sheet, error));
}

} // namespace
} // namespace velmora
