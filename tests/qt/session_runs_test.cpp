// Headless runs of velmora: the command line, the exit status and messages of scripts that fail, and the
// pictures save-view writes, checked pixel by pixel against where the drawing puts its objects.
#include "qt/headless_host.h"
#include "qt/velmora_session.h"
#include "support/test_support.h"
#include "view/drawing_window.h"
#include "view/units.h"
#include "view/view_mapping.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace velmora {
namespace {

namespace fs = std::filesystem;

// A fresh home folder made from the shipped default one.
void CopyHomeTemplate(const fs::path& to) {
    fs::copy(VELMORA_HOME_TEMPLATE, to, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

// A home whose first recent drawing is the every-kind fixture.
void OpenEveryKindAtStart(const fs::path& home) {
    fs::copy_file(test::Fixture("every_kind_visual.BMS"), home / "DWGS" / "Every Kind.BMS",
                  fs::copy_options::overwrite_existing);
    test::WriteFile(home / "CFG" / "LASTFILES.CFG", "10 0 0 0 Every Kind");
}

// ---- the command line ----

TEST(VelmoraArguments, ReadsEveryOption) {
    std::string error;
    const auto o = ParseVelmoraArguments(
        {"--home", "/h", "--script", "s.vms", "--headless", "--size", "640x480"}, error);
    ASSERT_TRUE(o) << error;
    EXPECT_EQ(o->Home, fs::path("/h"));
    EXPECT_EQ(o->Script, fs::path("s.vms"));
    EXPECT_TRUE(o->Headless);
    EXPECT_EQ(o->WindowSize, (Size{640, 480}));

    const auto none = ParseVelmoraArguments({}, error);
    ASSERT_TRUE(none);
    EXPECT_FALSE(none->Home || none->Script || none->WindowSize || none->Headless);
}

TEST(VelmoraArguments, RefusesWhatItCannotRead) {
    const struct {
        std::vector<std::string> Args;
        std::string Why;
    } cases[] = {
        {{"--home"}, "--home needs a value"},        {{"--script"}, "--script needs a value"},
        {{"--size", "0x10"}, "--size wants"},        {{"--size", "640"}, "--size wants"},
        {{"--size", "640x480px"}, "--size wants"},   {{"--size", "20000x10"}, "--size wants"},
        {{"--size", "-5x10"}, "--size wants"},       {{"--frobnicate"}, "unknown argument --frobnicate"},
        {{"file.BMS"}, "unknown argument file.BMS"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(ParseVelmoraArguments(c.Args, error)) << c.Args.front();
        EXPECT_NE(error.find(c.Why), std::string::npos) << error;
    }
}

// ---- scripts that fail ----

struct SessionRun {
    int Status = 0;
    std::string Out, Err;
};

SessionRun RunScript(const fs::path& home, const std::string& script,
                     std::optional<Size> size = std::nullopt) {
    const fs::path file = home / "test.vms";
    test::WriteFile(file, script);
    VelmoraOptions o;
    o.Script = file;
    o.WindowSize = size;
    std::ostringstream out, err;
    SessionRun r;
    r.Status = RunScriptSession(o, home, out, err);
    r.Out = out.str();
    r.Err = err.str();
    return r;
}

TEST(ScriptSession, ExitsNonZeroWithTheRunnersMessage) {
    const struct {
        std::string Name, Script;
        std::vector<std::string> ErrHas;
    } cases[] = {
        {"failed expect",
         "expect caption \"Sample House.PLN\"\nexpect panel 0 \"GUIDE: nothing\"\n",
         {"line 2", "expected panel 0 \"GUIDE: nothing\"", "found \"GUIDE: Select 'File'"}},
        // The zoom style dialog appears with nobody to answer it: the error names its caption and labels.
        {"unanswered dialog",
         "run CmZoomstyle1Execute\n",
         {"line 1", "unanswered dialog", "zoom style", "always show a new view at normal size",
          "show new view at previous zoom state"}},
        {"answer left unused", "answer input 9000\n", {"line 1", "answer left unused"}},
        {"unknown command", "run CmNoSuchExecute\n", {"there is no menu command \"CmNoSuchExecute\""}},
        {"unreadable line", "frobnicate now\n", {"line 1"}},
    };
    for (const auto& c : cases) {
        test::TempDir home;
        CopyHomeTemplate(home.Path);
        const SessionRun r = RunScript(home.Path, c.Script);
        EXPECT_EQ(r.Status, 1) << c.Name;
        for (const std::string& part : c.ErrHas)
            EXPECT_NE(r.Err.find(part), std::string::npos) << c.Name << ": " << r.Err;
        EXPECT_NE(r.Err.find("test.vms"), std::string::npos) << c.Name << ": " << r.Err;
    }
}

TEST(ScriptSession, AMissingScriptFails) {
    test::TempDir home;
    CopyHomeTemplate(home.Path);
    VelmoraOptions o;
    o.Script = home.Path / "absent.vms";
    std::ostringstream out, err;
    EXPECT_EQ(RunScriptSession(o, home.Path, out, err), 1);
    EXPECT_NE(err.str().find("cannot read the script"), std::string::npos) << err.str();
}

TEST(ScriptSession, ASessionThatGoesAsWrittenExitsZeroWithItsTranscript) {
    test::TempDir home;
    CopyHomeTemplate(home.Path);
    const SessionRun r =
        RunScript(home.Path, "expect caption \"Sample House.PLN\"\nsave-view out/view.png\n", Size{400, 300});
    EXPECT_EQ(r.Status, 0) << r.Err;
    EXPECT_TRUE(r.Err.empty()) << r.Err;
    EXPECT_NE(r.Out.find("[window] Sample House.PLN"), std::string::npos) << r.Out;
    const QImage saved(QString::fromStdString((home.Path / "out" / "view.png").string()));
    EXPECT_EQ(saved.size(), QSize(400, 300));
}

TEST(ScriptSession, AViewThatCannotBeSavedFailsAndSaysWhy) {
    test::TempDir home;
    CopyHomeTemplate(home.Path);
    test::WriteFile(home.Path / "blocked", "a file where a folder should be");
    const SessionRun r = RunScript(home.Path, "save-view blocked/view.png\n");
    EXPECT_EQ(r.Status, 1);
    EXPECT_NE(r.Err.find("could not save the view"), std::string::npos) << r.Err;
    EXPECT_NE(r.Out.find("[save-view] "), std::string::npos) << r.Out;
}

// ---- the saved picture ----

constexpr Colorref Ivory = Rgb(255, 250, 225);

class SavedPicture : public ::testing::Test {
protected:
    void SetUp() override {
        CopyHomeTemplate(Home.Path);
        OpenEveryKindAtStart(Home.Path);
        test::WriteFile(Home.Path / "CFG" / "CLR.CFG", std::to_string(Ivory) + " 0 255\r\n");
        Host.Start();
        const ScriptResult r = RunScriptText("expect caption \"Every Kind.PLN\"\nsave-view view.png\n", Host);
        ASSERT_TRUE(r.Ok) << r.Message << "\n" << Transcript.str();
        Picture.load(QString::fromStdString((Home.Path / "view.png").string()));
        ASSERT_FALSE(Picture.isNull());
    }

    // The pixel where the window shows a point of the drawing, given as the file stores it (relative to the
    // centre of the sheet, wherever the window's shape puts the sheet).
    QPoint PixelOf(int sx, int sy) {
        TMDIChild* w = Host.GetProgram().Window();
        const Size c = Host.ScriptUi().ClientSize();
        const Mapping m = ViewMappingFor(w->Frame(), c.Width, c.Height);
        const int upl = Host.State().UnitsPerLogical;
        const CoordShift shift = Host.State().Shift();
        const Point p =
            LogicalToPixel(m, WorldToLogical(sx + shift.OX, upl), WorldToLogical(sy + shift.OY, upl));
        return {p.X, p.Y};
    }
    QColor At(QPoint p) const { return Picture.pixelColor(p); }
    // Whether any pixel within one of p has this colour (lines are one pixel wide and may round either way).
    bool Near(QPoint p, const QColor& c) const {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (Picture.pixelColor(p + QPoint(dx, dy)) == c) return true;
        return false;
    }

    test::TempDir Home;
    std::ostringstream Transcript;
    HeadlessHost Host{Home.Path, Size{1280, 800}, Transcript};
    QImage Picture;
};

TEST_F(SavedPicture, TheBackgroundIsTheColourOfTheSettings) {
    EXPECT_EQ(At({3, 3}), QColor(255, 250, 225));
    EXPECT_EQ(At({1276, 796}), QColor(255, 250, 225));
    EXPECT_EQ(Picture.size(), QSize(1280, 800));
}

TEST_F(SavedPicture, TheExternalWallLinesAreDrawn) {
    // The outer line of each side of the house, -5000..5000 by -4000..4000, away from the openings.
    const struct { int X, Y; } sides[] = {{0, 4000}, {5000, 0}, {2500, -4000}, {-5000, 0}};
    for (const auto& s : sides)
        EXPECT_TRUE(Near(PixelOf(s.X, s.Y), Qt::black)) << s.X << "," << s.Y;
    // The walls are lines round the rooms: inside the house the background shows.
    EXPECT_EQ(At(PixelOf(-500, 2750)), QColor(255, 250, 225));
}

TEST_F(SavedPicture, AFillLiesUnderALine) {
    // The green polygon -4500..-2500 by 750..2750 is crossed by a red line at y 1750.
    EXPECT_EQ(At(PixelOf(-3500, 1250)), QColor(0, 200, 0));
    EXPECT_TRUE(Near(PixelOf(-3500, 1750), QColor(255, 0, 0)));
    // The line runs on past the fill, where it lies on the background.
    EXPECT_TRUE(Near(PixelOf(-2450, 1750), QColor(255, 0, 0)));
}

TEST_F(SavedPicture, EqualsWhatTheWindowShows) {
    // The window's picture is painted area by area into the backing image; the saved one in one pass.
    Host.ScriptUi().Invalidate();
    Host.ScriptUi().UpdateNow();
    EXPECT_EQ(Host.Backing().Snapshot(), Picture.convertToFormat(QImage::Format_RGB32));
}

} // namespace
} // namespace velmora
