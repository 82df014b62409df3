#include "app/home_folder.h"

#include "app/settings_files.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

TEST(ResolveHomeFolder, ArgumentThenCurrentDirectoryThenUserData) {
    TempDir tmp;
    const fs::path withCfg = tmp.Path / "with";
    const fs::path without = tmp.Path / "without";
    fs::create_directories(withCfg / "CFG");
    fs::create_directories(without);
    struct Case {
        const char* What;
        std::optional<fs::path> Argument;
        fs::path Current;
        std::string Xdg, User;
        fs::path Expected;
        HomeSource Source;
    } cases[] = {
        {"argument wins", tmp.Path / "given", withCfg, "/xdg", "/home/u", tmp.Path / "given",
         HomeSource::Argument},
        {"relative argument", fs::path("given/../other"), without, "", "/home/u", without / "other",
         HomeSource::Argument},
        {"current folder with CFG", std::nullopt, withCfg, "/xdg", "/home/u", withCfg,
         HomeSource::CurrentDirectory},
        {"XDG data home", std::nullopt, without, "/xdg", "/home/u", "/xdg/velmora", HomeSource::UserData},
        {"relative XDG is ignored", std::nullopt, without, "rel", "/home/u", "/home/u/.local/share/velmora",
         HomeSource::UserData},
        {"HOME", std::nullopt, without, "", "/home/u", "/home/u/.local/share/velmora", HomeSource::UserData},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        HomeEnvironment env{c.Argument, c.Current, c.Xdg, c.User};
        std::string error;
        const auto home = ResolveHomeFolder(env, error);
        ASSERT_TRUE(home) << error;
        EXPECT_EQ(home->Path, c.Expected);
        EXPECT_EQ(home->Source, c.Source);
    }
    std::string error;
    EXPECT_FALSE(ResolveHomeFolder(HomeEnvironment{std::nullopt, without, "", ""}, error));
    EXPECT_NE(error.find("--home"), std::string::npos);
    EXPECT_FALSE(ResolveHomeFolder(HomeEnvironment{fs::path(), without, "", "/home/u"}, error));
}

// A small template: two settings files, a drawing, a library placeholder.
struct TemplateFixture {
    TempDir Tmp;
    fs::path Template = Tmp.Path / "template";
    fs::path Home = Tmp.Path / "data" / "velmora";

    TemplateFixture() {
        fs::create_directories(Template / "CFG");
        fs::create_directories(Template / "DWGS");
        fs::create_directories(Template / "LIBS");
        WriteFile(Template / "CFG" / "GUIDE.CFG", "3 12648447\r\n");
        WriteFile(Template / "CFG" / "SAVE.CFG", "0");
        WriteFile(Template / "DWGS" / "Sample House.BMS", "drawing");
        WriteFile(Template / "LIBS" / ".keep", "");
    }
    HomeEnvironment Env() const {
        return {std::nullopt, Tmp.Path, (Tmp.Path / "data").string(), "", Template};
    }
};

TEST(SetUpHomeFolder, FirstStartFillsTheUserFolderFromTheTemplate) {
    TemplateFixture f;
    std::string error;
    const auto home = SetUpHomeFolder(f.Env(), error);
    ASSERT_TRUE(home) << error;
    EXPECT_EQ(home->Path, f.Home);
    EXPECT_TRUE(home->FirstStart);
    for (const char* sub : HomeSubfolders)
        EXPECT_TRUE(fs::is_directory(f.Home / sub)) << sub;
    EXPECT_EQ(ReadFile(f.Home / "CFG" / "GUIDE.CFG"), "3 12648447\r\n");
    EXPECT_EQ(ReadFile(f.Home / "CFG" / "SAVE.CFG"), "0");
    EXPECT_EQ(ReadFile(f.Home / "DWGS" / "Sample House.BMS"), "drawing");
    EXPECT_FALSE(fs::exists(f.Home / "LIBS" / ".keep"));
}

TEST(SetUpHomeFolder, LaterStartsAddOnlyWhatIsMissing) {
    TemplateFixture f;
    fs::create_directories(f.Home / "CFG");
    WriteFile(f.Home / "CFG" / "GUIDE.CFG", "1 255\r\n"); // the user's own choice
    std::string error;
    const auto home = SetUpHomeFolder(f.Env(), error);
    ASSERT_TRUE(home) << error;
    EXPECT_FALSE(home->FirstStart);
    EXPECT_EQ(ReadFile(f.Home / "CFG" / "GUIDE.CFG"), "1 255\r\n");
    EXPECT_EQ(ReadFile(f.Home / "CFG" / "SAVE.CFG"), "0");
    for (const char* sub : HomeSubfolders)
        EXPECT_TRUE(fs::is_directory(f.Home / sub)) << sub;
    // A drawing the user deleted is not brought back; only settings are topped up.
    EXPECT_FALSE(fs::exists(f.Home / "DWGS" / "Sample House.BMS"));
}

// A first start that failed while copying (a full disk) leaves one-line settings files empty; the next start
// gives them their default back. A list file may be empty by right, and a user's line is never replaced.
TEST(SetUpHomeFolder, ASettingsLineLeftEmptyGetsItsDefaultBack) {
    TemplateFixture f;
    WriteFile(f.Template / "CFG" / "COPY.CFG", "7 100 200\r\n");
    fs::create_directories(f.Home / "CFG");
    WriteFile(f.Home / "CFG" / "GUIDE.CFG", "");
    WriteFile(f.Home / "CFG" / "SAVE.CFG", "2");
    WriteFile(f.Home / "CFG" / "COPY.CFG", "");
    std::string error;
    ASSERT_TRUE(SetUpHomeFolder(f.Env(), error)) << error;
    EXPECT_EQ(ReadFile(f.Home / "CFG" / "GUIDE.CFG"), "3 12648447\r\n");
    EXPECT_EQ(ReadFile(f.Home / "CFG" / "SAVE.CFG"), "2");
    EXPECT_EQ(ReadFile(f.Home / "CFG" / "COPY.CFG"), "");
}

TEST(SetUpHomeFolder, AWorkingHomeNeedsNoTemplate) {
    TemplateFixture f;
    fs::create_directories(f.Home / "CFG");
    HomeEnvironment env = f.Env();
    env.Template = f.Tmp.Path / "not-installed";
    std::string error;
    ASSERT_TRUE(SetUpHomeFolder(env, error)) << error;
    EXPECT_TRUE(fs::is_directory(f.Home / "ACT"));

    fs::remove_all(f.Home);
    EXPECT_FALSE(SetUpHomeFolder(env, error));
    EXPECT_NE(error.find("not-installed"), std::string::npos);
}

TEST(SetUpHomeFolder, ReportsAFolderThatCannotBeCreated) {
    TemplateFixture f;
    WriteFile(f.Tmp.Path / "plain-file", "x");
    HomeEnvironment env = f.Env();
    env.HomeArgument = f.Tmp.Path / "plain-file" / "home";
    std::string error;
    EXPECT_FALSE(SetUpHomeFolder(env, error));
    EXPECT_NE(error.find("plain-file"), std::string::npos);

    // A subfolder name taken by a file.
    fs::create_directories(f.Home / "CFG");
    WriteFile(f.Home / "ACT", "x");
    error.clear();
    EXPECT_FALSE(SetUpHomeFolder(f.Env(), error));
    EXPECT_NE(error.find("ACT"), std::string::npos);
}

TEST(SetUpHomeFolder, AHomeInsideTheTemplateIsFilledOnce) {
    TemplateFixture f;
    HomeEnvironment env = f.Env();
    env.HomeArgument = f.Template / "nested";
    std::string error;
    ASSERT_TRUE(SetUpHomeFolder(env, error)) << error;
    EXPECT_TRUE(fs::is_regular_file(f.Template / "nested" / "CFG" / "GUIDE.CFG"));
    EXPECT_FALSE(fs::exists(f.Template / "nested" / "nested"));
}

// The shipped home folder gives a new user every settings file of the catalogue.
TEST(SetUpHomeFolder, TheShippedTemplateHoldsEverySettingsFile) {
    TempDir tmp;
    std::string error;
    const auto home = SetUpHomeFolder({std::nullopt, tmp.Path, (tmp.Path / "data").string(), ""}, error);
    ASSERT_TRUE(home) << error;
    for (const SettingsFile& f : SettingsCatalogue()) {
        if (f.Kind != SettingsKind::Drawing) {
            EXPECT_TRUE(fs::is_regular_file(SettingsPath(home->Path, f.Name))) << f.Name;
        }
    }
}

} // namespace
} // namespace velmora
