// The width dialogs of internal walls: the imperial width from whole inches and a fraction that counts only
// as halves, quarters and eighths, the ranges that keep either dialog open, and the width file.
#include "dialogs/double_line_dialog.h"
#include "platform/scripted_ui.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace velmora {
namespace {

TEST(DoubleLineDialog, ImperialWidthAndItsRange) {
    struct Case {
        const char *Inches, *Numerator, *Denominator;
        bool Accepted;
        int Width;
    } cases[] = {
        {"4", "0", "0", true, 96}, {"4", "1", "2", true, 108}, {"4", "3", "8", true, 105},
        {"4", "1", "3", true, 96}, // thirds are no fraction of this rule: dropped
        {"4", "2", "2", true, 96}, // a numerator not below its denominator: dropped
        {"4", "3", "2", false, 0}, // a denominator below its numerator: refused
        {"0", "0", "0", false, 0}, {"51", "0", "0", false, 0}, {"50", "7", "8", true, 1221},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Inches) + " " + c.Numerator + "/" + c.Denominator);
        DialogDescription d = TTDblelineimpdlg::Make(96);
        d.SetValue(TTDblelineimpdlg::Inches, c.Inches);
        d.SetValue(TTDblelineimpdlg::Numerator, c.Numerator);
        d.SetValue(TTDblelineimpdlg::Denominator, c.Denominator);
        const auto refused = d.Check(d, "O K");
        EXPECT_EQ(!refused.has_value(), c.Accepted);
        if (refused) EXPECT_EQ(*refused, "the input range is between 1 - 50 inches ");
        if (c.Accepted) EXPECT_EQ(TTDblelineimpdlg::WidthOf(d), c.Width);
    }
}

// The dialog opens on the stored width (a damaged file gives the default) and writes what it accepted.
TEST(DoubleLineDialog, OpensOnTheWidthFileAndWritesItBack) {
    test::TempDir home;
    std::filesystem::create_directories(home.Path / "CFG");
    std::ostringstream out;
    ScriptedUi ui(out);
    test::WriteFile(home.Path / "CFG" / "PTNI.CFG", "108");
    EXPECT_EQ(TTDblelineimpdlg::Make(StoredWallWidth(home.Path, 0)).Value(TTDblelineimpdlg::Numerator), "1");
    test::WriteFile(home.Path / "CFG" / "PTNM.CFG", "5000");
    EXPECT_EQ(StoredWallWidth(home.Path, 1), 100);
    ui.Queue(ScriptAnswer::ForDialog(
        "internal wall or double line spacing",
        {"inches=6", "numerator=0", "denominator=0", "to right of first line", "OK"}));
    const auto choice = AskDoubleLine(ui, home.Path, 0);
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->Width, 144);
    EXPECT_EQ(choice->Side, SideRight);
    EXPECT_EQ(test::ReadFile(home.Path / "CFG" / "PTNI.CFG"), "144");
}

} // namespace
} // namespace velmora
