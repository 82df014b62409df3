#include "app/settings_files.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace velmora {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

const fs::path kTemplate = VELMORA_HOME_TEMPLATE;

std::size_t CountOf(std::string_view format, std::string_view what) {
    std::size_t n = 0;
    for (std::size_t p = format.find(what); p != std::string_view::npos; p = format.find(what, p + 1))
        ++n;
    return n;
}

// The shipped home folder: every file of the catalogue is there with a default line in its own format, a line
// end exactly when the format has one (CR LF, as every file is written), and nothing unknown lies beside
// them.
TEST(SettingsCatalogue, EveryFileShipsWithAParsableDefaultLine) {
    for (const SettingsFile& f : SettingsCatalogue()) {
        if (f.Kind == SettingsKind::Drawing) continue;
        SCOPED_TRACE(std::string(f.Name));
        const fs::path p = SettingsPath(kTemplate, f.Name);
        ASSERT_TRUE(fs::is_regular_file(p));
        const auto v = ReadSettings(kTemplate, f.Name);
        ASSERT_TRUE(v.has_value());
        const std::string text = ReadFile(p);
        if (f.Kind == SettingsKind::Line) {
            EXPECT_EQ(v->Rows, 1u);
            EXPECT_EQ(v->Numbers.size(), CountOf(f.Format, "%") - CountOf(f.Format, "%s"));
            EXPECT_EQ(v->Strings.size(), CountOf(f.Format, "%s"));
            const bool wantsLineEnd = f.Format.ends_with('\n');
            EXPECT_EQ(text.ends_with("\r\n"), wantsLineEnd);
            if (!wantsLineEnd) {
                EXPECT_FALSE(text.ends_with('\n'));
            }
        }
        // No bare LF anywhere.
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\n') {
                EXPECT_TRUE(i > 0 && text[i - 1] == '\r');
            }
        }
    }
    for (const auto& entry : fs::directory_iterator(kTemplate / "CFG"))
        EXPECT_NE(FindSettingsFile(entry.path().filename().string()), nullptr) << entry.path();
}

TEST(SettingsCatalogue, TwinsPointAtEachOtherWithTheSameFormat) {
    for (const SettingsFile& f : SettingsCatalogue()) {
        SCOPED_TRACE(std::string(f.Name));
        EXPECT_EQ(f.Twin.empty(), f.Units == SettingsUnits::Any);
        if (f.Twin.empty()) continue;
        const SettingsFile* twin = FindSettingsFile(f.Twin);
        ASSERT_NE(twin, nullptr);
        EXPECT_EQ(twin->Twin, f.Name);
        EXPECT_EQ(twin->Format, f.Format);
        EXPECT_NE(twin->Units, f.Units);
        EXPECT_NE(twin->Units, SettingsUnits::Any);
    }
}

TEST(SettingsCatalogue, PicksTheTwinOfTheMeasuringSystem) {
    struct Case {
        std::string_view Name;
        int MetricFlag;
        std::string_view Expected;
    } cases[] = {
        {"LYTGRIDM.CFG", 0, "LYTGRIDI.CFG"}, {"LYTGRIDI.CFG", 1, "LYTGRIDM.CFG"},
        {"LYTGRIDM.CFG", 1, "LYTGRIDM.CFG"}, {"MOFFSET.CFG", 0, "IOFFSET.CFG"},
        {"IOFFSET.CFG", 1, "MOFFSET.CFG"},   {"CUST.CFG", 0, "CUSTIMP.CFG"},
        {"CUSTIMP.CFG", 1, "CUST.CFG"},      {"CLR.CFG", 0, "CLR.CFG"},
        {"UNKNOWN.CFG", 0, "UNKNOWN.CFG"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SettingsFileFor(c.Name, c.MetricFlag), c.Expected) << c.Name;
    EXPECT_EQ(MetricTwinName("DWGSIZE", 1), "DWGSIZEM.CFG");
    EXPECT_EQ(MetricTwinName("DWGSIZE", 0), "DWGSIZEI.CFG");
}

// The defaults other commands depend on at the first start.
TEST(SettingsDefaults, StartOnTheSampleDrawingWithTheUsualColours) {
    const auto recent = ReadSettings(kTemplate, "LASTFILES.CFG");
    ASSERT_TRUE(recent);
    EXPECT_EQ(recent->Strings, (std::vector<std::string>{"Sample House", "", "", ""}));
    const auto last = ReadSettings(kTemplate, "LASTDWG.CFG");
    ASSERT_TRUE(last);
    EXPECT_EQ(last->Strings[0], "Sample House");
    EXPECT_EQ(ReadSettingsInts(kTemplate, "CLR.CFG", 3), (std::vector<std::int32_t>{16777215, 0, 255}));
    EXPECT_EQ(ReadSettingsInts(kTemplate, "GUIDE.CFG", 1), std::vector<std::int32_t>{3});
    const auto text = ReadTextSettings(kTemplate);
    ASSERT_TRUE(text);
    EXPECT_EQ(text->FontName, FallbackFontName);
    EXPECT_EQ(text->Size, 10);
}

struct ParseCase {
    std::string_view File;
    std::string_view Text;
    bool Parses;
    std::vector<double> Numbers = {};
    std::vector<std::string> Strings = {};
};

// What a formatted read would have trusted: overflowing numbers, lengths beyond the field or the line.
TEST(ParseSettings, RefusesWhatItCannotTrust) {
    const ParseCase cases[] = {
        {"ZOOM.CFG", "624 346", true, {624, 346}},
        {"ZOOM.CFG", "  624\r\n346 trailing words", true, {624, 346}},
        {"ZOOM.CFG", "+5 -2147483648", true, {5, -2147483648.0}},
        {"ZOOM.CFG", "", false},
        {"ZOOM.CFG", "624", false},
        {"ZOOM.CFG", "abc def", false},
        {"ZOOM.CFG", "2147483648 1", false},
        {"ZOOM.CFG", "99999999999999999999 1", false},
        {"SCALEVIEWM.CFG", "5.000000 20.5", true, {5, 20.5}},
        {"SCALEVIEWM.CFG", "1e39 1", false}, // beyond a float
        {"SCALEVIEWM.CFG", "nan 1", false},
        {"SCALEVIEWM.CFG", "inf 1", false},
        {"INTERN.CFG", "90 1 1e39 0", true, {90, 1, 1e39, 0}}, // %lf is a double
        {"INTERN.CFG", "90 1 1e400 0", false},
        {"LASTDWG.CFG", "12 Sample House\r\n", true, {12}, {"Sample House"}},
        {"LASTDWG.CFG", "12 Sample House\n", true, {12}, {"Sample House"}},
        {"LASTDWG.CFG", "13 Sample House\r\n", false},          // would swallow the line end
        {"LASTDWG.CFG", "25 aaaaaaaaaaaaaaaaaaaaaaaaa", false}, // names hold 24 characters
        {"LASTDWG.CFG", "-1 x", false},
        {"LASTDWG.CFG", "20 short", false},
        {"LASTFILES.CFG", "4 3 0 1 HomeBarnQ", true, {4, 3, 0, 1}, {"Home", "Bar", "", "n"}},
        {"LASTFILES.CFG", "0 0 0 0 ", true, {0, 0, 0, 0}, {"", "", "", ""}},
        {"LASTFILES.CFG", "4 3 0 9 HomeBarn", false},
        {"LTEXT.CFG", "2 5\r\nfence", true, {2, 5}, {"fence"}},
        {"LTEXT.CFG", "2 0\r\n", true, {2, 0}, {""}},
        {"LTEXT.CFG", "2 21\r\naaaaaaaaaaaaaaaaaaaaa", false}, // labels hold 20 characters, as the field does
        {"WIND.CFG", "1 1200 900 1 1 8 1 0 0 5 Arial", true, {1, 1200, 900, 1, 1, 8, 1, 0, 0, 5}, {"Arial"}},
        // The door text follows the last number directly; its length is the eleventh number, so a text that
        // begins with a digit is still told apart from the number.
        {"DOOR.CFG",
         "11 0 820 1 820 1 0 0 3 0 5 0 0 0 0 0 0 0 0 0 0 09Door",
         true,
         {11, 0, 820, 1, 820, 1, 0, 0, 3, 0, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
         {"9Door"}},
        {"DOOR.CFG",
         "11 0 820 1 820 1 0 0 3 0 0 0 0 0 0 0 0 0 0 0 0 7",
         true,
         {11, 0, 820, 1, 820, 1, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 7},
         {""}},
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(std::string(c.File) + ": " + std::string(c.Text));
        const auto v = ParseSettings(c.Text, *FindSettingsFile(c.File));
        ASSERT_EQ(v.has_value(), c.Parses);
        if (!v) continue;
        EXPECT_EQ(v->Numbers, c.Numbers);
        EXPECT_EQ(v->Strings, c.Strings);
    }
}

TEST(ParseSettings, ListsStopAtTheFirstBrokenRow) {
    const SettingsFile& copy = *FindSettingsFile("COPY.CFG");
    const auto v = ParseSettings("7 100 200\r\n9 100 200\r\n12 oops\r\n13 100 200\r\n", copy);
    ASSERT_TRUE(v);
    EXPECT_EQ(v->Rows, 2u);
    EXPECT_EQ(v->Numbers, (std::vector<double>{7, 100, 200, 9, 100, 200}));
    const auto empty = ParseSettings("", copy);
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->Rows, 0u);
}

TEST(ParseSettings, IntOfAHugeRealIsHeldTo32Bits) {
    const auto v = ParseSettings("90 1 1e30 -1e30", *FindSettingsFile("INTERN.CFG"));
    ASSERT_TRUE(v);
    EXPECT_EQ(v->Int(2), 2147483647);
    EXPECT_EQ(v->Int(3), -2147483647 - 1);
}

TEST(ReadSettings, MissingUnknownOrGarbledFilesGiveNothing) {
    TempDir home;
    fs::create_directories(home.Path / "CFG");
    EXPECT_FALSE(ReadSettings(home.Path, "CLR.CFG"));
    EXPECT_FALSE(ReadSettingsInts(home.Path, "CLR.CFG", 3));
    EXPECT_FALSE(ReadSettingsReals(home.Path, "ZSTAT.CFG", 6));
    EXPECT_FALSE(ReadTextSettings(home.Path));

    WriteFile(home.Path / "CFG" / "CLR.CFG", std::string(5000, '\xff'));
    EXPECT_FALSE(ReadSettings(home.Path, "CLR.CFG"));
    EXPECT_FALSE(ReadSettingsInts(home.Path, "CLR.CFG", 1));
    WriteFile(home.Path / "CFG" / "ODD.CFG", "1 2 3");
    EXPECT_FALSE(ReadSettings(home.Path, "ODD.CFG")); // not in the catalogue
    EXPECT_EQ(ReadSettingsInts(home.Path, "ODD.CFG", 2), (std::vector<std::int32_t>{1, 2}));
    EXPECT_FALSE(ReadSettingsInts(home.Path, "ODD.CFG", 4));
    WriteFile(home.Path / "CFG" / "ZSTAT.CFG", "0 624 346 0 0 5.000000");
    EXPECT_EQ(ReadSettingsReals(home.Path, "ZSTAT.CFG", 6), (std::vector<double>{0, 624, 346, 0, 0, 5}));
    EXPECT_FALSE(ReadSettingsReals(home.Path, "ZSTAT.CFG", 7));
}

TEST(TextSettings, ReadsTheNameWhateverItBeginsWith) {
    struct Case {
        std::string_view Text;
        int Size, Italic, Weight;
        std::string_view Font;
    } cases[] = {
        {"10 0 400 11DejaVu Sans", 10, 0, 400, "DejaVu Sans"},
        {"10 0 400 11DejaVu Sans\r\n", 10, 0, 400, "DejaVu Sans"},
        {"12 1 700 73D Sans", 12, 1, 700, "3D Sans"},          // the name's 3 is not part of the length
        {"12 1 700 111234567890A", 12, 1, 700, "1234567890A"}, // two-digit length, name of digits
        {"12 1 700 11", 12, 1, 700, "1"},
        {"10 0 400 40abcdefghijabcdefghijabcdefghijabcdefghij", 10, 0, 400, FallbackFontName}, // above 31
        {"10 0 400 20Arial", 10, 0, 400, FallbackFontName}, // shorter than its length
        {"10 0 400 0", 10, 0, 400, FallbackFontName},
        {"14 0 700", 14, 0, 700, FallbackFontName},
        {"0 5 900 5Arial", 10, 1, 700, "Arial"}, // values held to what the font dialog can give
        {"-3 0 100 5Arial", 10, 0, 400, "Arial"},
    };
    TempDir home;
    fs::create_directories(home.Path / "CFG");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Text));
        WriteFile(home.Path / "CFG" / "TEXT.CFG", c.Text);
        const auto t = ReadTextSettings(home.Path);
        ASSERT_TRUE(t);
        EXPECT_EQ(t->Size, c.Size);
        EXPECT_EQ(t->Italic, c.Italic);
        EXPECT_EQ(t->Weight, c.Weight);
        EXPECT_EQ(t->FontName, c.Font);
    }
    WriteFile(home.Path / "CFG" / "TEXT.CFG", "ten 0 400 5Arial");
    EXPECT_FALSE(ReadTextSettings(home.Path));
}

TEST(TextSettings, WritesWhatItReadsBackAndRefusesUnstorableNames) {
    TempDir home;
    fs::create_directories(home.Path / "CFG");
    std::string error;
    for (std::string name :
         {std::string("3D Sans"), std::string("DejaVu Sans"), std::string("1"), std::string(31, 'x')}) {
        ASSERT_TRUE(WriteTextSettings(home.Path, {9, 1, 700, name}, error)) << error;
        const auto t = ReadTextSettings(home.Path);
        ASSERT_TRUE(t);
        EXPECT_EQ(t->FontName, name);
        EXPECT_EQ(t->Size, 9);
    }
    EXPECT_EQ(ReadFile(home.Path / "CFG" / "TEXT.CFG"), "9 1 700 31" + std::string(31, 'x'));
    for (std::string name : {std::string(), std::string(32, 'x'), std::string("Two\r\nLines")}) {
        error.clear();
        EXPECT_FALSE(WriteTextSettings(home.Path, {9, 1, 700, name}, error));
        EXPECT_FALSE(error.empty());
    }
    EXPECT_EQ(ReadFile(home.Path / "CFG" / "TEXT.CFG"), "9 1 700 31" + std::string(31, 'x'));
}

TEST(WriteSettings, WritesTheFormatWithCrLfLineEnds) {
    TempDir home;
    fs::create_directories(home.Path / "CFG");
    std::string error;
    ASSERT_TRUE(WriteSettingsLine(home.Path, "CLR.CFG", error, "%ld %ld %ld\n", 16777215L, 0L, 255L))
        << error;
    EXPECT_EQ(ReadFile(home.Path / "CFG" / "CLR.CFG"), "16777215 0 255\r\n");
    ASSERT_TRUE(WriteSettingsLine(home.Path, "ZOOM.CFG", error, "%d %d", 624, 346));
    EXPECT_EQ(ReadFile(home.Path / "CFG" / "ZOOM.CFG"), "624 346");
    ASSERT_TRUE(WriteSettingsLine(home.Path, "LTEXT.CFG", error, "%d %d\n%s", 1, 5, "fence"));
    EXPECT_EQ(ReadFile(home.Path / "CFG" / "LTEXT.CFG"), "1 5\r\nfence");
    ASSERT_TRUE(WriteSettingsText(home.Path, "COPY.CFG", "1 2 3\r\n4 5 6\n", error));
    EXPECT_EQ(ReadFile(home.Path / "CFG" / "COPY.CFG"), "1 2 3\r\n4 5 6\r\n");
    // What is written reads back through the catalogue.
    EXPECT_EQ(ReadSettings(home.Path, "LTEXT.CFG")->Strings[0], "fence");
    EXPECT_EQ(ReadSettings(home.Path, "COPY.CFG")->Rows, 2u);
    // No leftovers of the atomic write beside the files.
    EXPECT_EQ(std::distance(fs::directory_iterator(home.Path / "CFG"), fs::directory_iterator()), 4);
}

TEST(WriteSettings, ReportsAFolderThatIsNotThere) {
    TempDir home;
    std::string error;
    EXPECT_FALSE(WriteSettingsLine(home.Path, "SAVE.CFG", error, "%d", 1));
    EXPECT_NE(error.find("SAVE.CFG"), std::string::npos);
}

} // namespace
} // namespace velmora
