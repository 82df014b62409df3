// Number boxes refuse text that is no whole number when a closing button is pressed, after the dialog's own
// check: with the box's own message where it has one, else the common one; blank boxes, disabled boxes and
// the text of other kinds of box are not the number check's business.
#include "dialogs/customise_dialogs.h"
#include "dialogs/dialog.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

DialogDescription TwoBoxes(const std::string& first, const std::string& second) {
    DialogDescription d;
    d.Caption = "boxes";
    d.Fields = {MakeField("first", FieldKind::Number, first), MakeField("second", FieldKind::Number, second),
                MakeField("name", FieldKind::Text, "not a number either")};
    d.Fields[1].NotNumber = "second input is incorrect";
    AddOkCancelHelp(d);
    return d;
}

TEST(NumberRefusal, WordsInANumberBoxAreRefusedWithTheBoxsMessage) {
    const struct {
        const char *First, *Second;
        std::optional<std::string> Refusal;
    } cases[] = {
        {"12", "-3", std::nullopt},
        {" +7 ", "0", std::nullopt},
        {"", "  ", std::nullopt}, // blank: what it means is the dialog's own check's to say
        {"ten", "3", "input must be a valid number"},
        {"12.5", "3", "input must be a valid number"},
        {"4O", "3", "input must be a valid number"},
        {"99999999999", "3", "input must be a valid number"}, // beyond 32 bits
        {"12", "three", "second input is incorrect"},
        {"x", "y", "input must be a valid number"}, // the first box in the dialog's order
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.First) + " / " + c.Second);
        EXPECT_EQ(TwoBoxes(c.First, c.Second).Refusal("O K"), c.Refusal);
    }
}

TEST(NumberRefusal, TheDialogsOwnCheckSpeaksFirstAndADisabledBoxIsNotChecked) {
    DialogDescription d = TwoBoxes("ten", "3");
    d.Check = [](const DialogDescription& dlg, const std::string&) -> std::optional<std::string> {
        if (dlg.Value("second") != "3") return std::string("second out of range");
        return std::nullopt;
    };
    d.SetValue("second", "4");
    EXPECT_EQ(d.Refusal("O K"), "second out of range");
    d.SetValue("second", "3");
    EXPECT_EQ(d.Refusal("O K"), "input must be a valid number");
    d.Field("first")->Enabled = false;
    EXPECT_EQ(d.Refusal("O K"), std::nullopt);
}

// The room text sizes once counted a word as 10 points and stored that; now the word is refused with the
// box's own refusal, and a real size still passes.
TEST(NumberRefusal, RoomTextSizesRefuseWordsWithTheirOwnWords) {
    const DimensionSettings current;
    const struct {
        const char *Dimensions, *RoomName;
        std::optional<std::string> Refusal;
    } cases[] = {
        {"ten", "10", "dimensions input is incorrect\n6 - 20"},
        {"10", "big", "room name input is incorrect\n6 - 20"},
        {"12", "9", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.Dimensions) + " / " + c.RoomName);
        DialogDescription d = TTRoomtextdlg::Make(current);
        d.SetValue(TTRoomtextdlg::DimensionsSize, c.Dimensions);
        d.SetValue(TTRoomtextdlg::RoomNameSize, c.RoomName);
        EXPECT_EQ(d.Refusal("O K"), c.Refusal);
    }
}

} // namespace
} // namespace velmora
