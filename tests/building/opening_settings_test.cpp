// The window and door settings files: one DOOR.CFG format for writing and reading, and stored text
// lengths that can never make the reader run past the line or past the text's field.
#include "building/opening_settings.h"
#include "dialogs/opening_input.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(DoorSettingsTest, WrittenLineReadsBackWithAll22NumbersAndTheText) {
    DoorSettings d;
    for (int i = 1; i <= 22; ++i)
        d.At(i) = i * 10;
    d.Text = "front door";
    const std::string line = FormatDoorSettings(d);
    // 22 numbers, the eleventh the text's length, and the text straight after the last one.
    EXPECT_EQ(line.substr(line.size() - 13), "220front door");
    const auto back = ParseDoorSettings(line);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->At(22), 220);
    EXPECT_EQ(back->At(11), 10);
    EXPECT_EQ(back->Text, "front door");
}

TEST(DoorSettingsTest, StoredLengthsAreHeldToTheLineAndTheField) {
    struct Case {
        const char* Line;
        const char* Text;
    } cases[] = {
        // A length far beyond the line: only what the line holds.
        {"11 0 820 1 820 1 0 0 3 0 9999 0 0 0 0 0 0 0 0 0 0 0", ""},
        // A text that begins with a digit is told apart from the last number by its length.
        {"11 0 820 1 820 1 0 0 3 0 5 0 0 0 0 0 0 0 0 0 0 09Door", "9Door"},
        // Longer than the field: cut to 31 characters.
        {"11 0 820 1 820 1 0 0 3 0 31 0 0 0 0 0 0 0 0 0 0 7abcdefghijklmnopqrstuvwxyzABCDE",
         "abcdefghijklmnopqrstuvwxyzABCDE"},
        // The old line with no text at all.
        {"11 0 820 1 820 1 0 0 3 0 0 0 0 0 0 0 0 0 0 0 0 0", ""},
    };
    for (const Case& c : cases) {
        const auto d = ParseDoorSettings(c.Line);
        ASSERT_TRUE(d) << c.Line;
        EXPECT_EQ(d->Text, c.Text) << c.Line;
        EXPECT_EQ(d->At(11), static_cast<int>(d->Text.size())) << c.Line;
    }
}

TEST(DoorSettingsTest, ALineOfTwentyNumbersIsRefused) {
    EXPECT_FALSE(ParseDoorSettings("11 0 820 1 820 1 0 0 3 0 0 0 0 0 0 0 0 0 0 0"));
}

TEST(WindowSettingsTest, FontNameLengthIsBounded) {
    const auto w = ParseWindowSettings("1 900 1200 1 1 6 0 0 0 500 DejaVu Sans");
    ASSERT_TRUE(w);
    EXPECT_EQ(w->Font, "DejaVu Sans");
    EXPECT_EQ(w->TextSize, 6);
    const auto back = ParseWindowSettings(FormatWindowSettings(*w));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->Width, 900);
    EXPECT_EQ(back->Font, "DejaVu Sans");
}

TEST(LeafReachTest, ASquareLeafKeepsTheDoorsWidth) {
    EXPECT_EQ(LeafAt(820, 90).Across, 820);
    EXPECT_EQ(LeafAt(820, 90).Along, 0);
    EXPECT_EQ(LeafAt(820, 30).Across, 410);
    EXPECT_EQ(LeafAt(820, 30).Along, 710);
    EXPECT_EQ(LeafAt(820, 60).Across, 710);
}

TEST(OpeningRangeTextTest, StatesTheInchesTheCheckedRangeAllows) {
    EXPECT_EQ(OpeningRangeText(100, 9000, 1), "100 - 9000 mm.");
    EXPECT_EQ(OpeningRangeText(100, 9000, 0), "5 - 375 inches");
    EXPECT_EQ(OpeningRangeText(288, 9000, 0), "12 - 375 inches");
    EXPECT_EQ(OpeningRangeText(100, 6000, 0), "5 - 250 inches");
    // The ends stated are accepted by the check and one beyond is not.
    EXPECT_GE(TypedLength("5", 0), 100);
    EXPECT_LT(TypedLength("4", 0), 100);
    EXPECT_LE(TypedLength("375", 0), 9000);
    EXPECT_GT(TypedLength("376", 0), 9000);
}

} // namespace
} // namespace velmora
