// The text command and tool through the drawing window: the text dialog and LASTTEXT.CFG, centred texts
// placed by a press, text typed a line at a time, the 70-letter line, and the texts that are refused
// without using up an element number.
#include "dialogs/text_dialogs.h"
#include "tools/shape_fixture.h"
#include "tools/text_commands.h"
#include "tools/text_tool.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using test::ShapeFixture;

struct TextFixture : ShapeFixture {
    explicit TextFixture(const std::vector<std::string>& dialogWords = {"OK"}) {
        Cfg("TEXT.CFG", "12 0 700 11DejaVu Sans");
        Ui.Queue(ScriptAnswer::ForDialog("text", dialogWords));
        CmTextExecute(S, Ui);
    }
    TTexttool& Text() { return dynamic_cast<TTexttool&>(Tool()); }
    void Place(int x, int y, const std::string& words) {
        Ui.Queue(ScriptAnswer::ForDialog("centred text", {"text=" + words, "OK"}));
        Click(x, y);
    }
    void TypeLine(const std::string& s) {
        for (char c : s)
            Type(c);
    }
};

TEST(TextTool, CentredTextsPlacedByPresses) {
    TextFixture f({"CENTRED TEXT", "horizontal text", "OK"});
    EXPECT_EQ(f.Ui.Panel(0),
              "GUIDE: click LEFT button on TEXT centre point - OR click on the Centre Centre icon "
              "if it will help to position the text");
    EXPECT_EQ(f.Ui.Panel(2), " Text");
    f.S.NextElementNo = 20;
    f.Place(5000, 4000, "KITCHEN");
    f.Place(9000, 4000, "DINING");
    EXPECT_EQ(f.Ui.Panel(0),
              "GUIDE: you can continue using the same text function by clicking LEFT button on TEXT point");
    const auto texts = f.Saved<TTextobj>();
    ASSERT_EQ(texts.size(), 2u);
    const TTextobj& t = texts[0];
    EXPECT_EQ(t.Kind, 4);
    EXPECT_EQ(t.Text(), "KITCHEN");
    EXPECT_EQ((Point{t.X1, t.Y1}), (Point{5000, 4000}));
    EXPECT_EQ(t.Align, 1);
    EXPECT_EQ(t.Angle, 0);
    EXPECT_EQ(t.Height, 12);
    EXPECT_EQ(t.Weight, 700);
    EXPECT_EQ(t.FontName(), "DejaVu Sans");
    EXPECT_EQ(t.Aux, 21); // a fresh element number for each text
    EXPECT_EQ(texts[1].Aux, 22);
    EXPECT_GT(t.Z1, 0); // the measured width
    EXPECT_EQ(f.ReadCfg("LASTTEXT.CFG"), "1 1");
}

// Upright centred text is anchored on its centre line (alignment 6); the choice is remembered and preset
// next time.
TEST(TextTool, VerticalCentredTextAndTheRememberedChoice) {
    TextFixture f({"vertical text", "OK"});
    f.Place(5000, 4000, "HALL");
    const auto texts = f.Saved<TTextobj>();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].Angle, 2700);
    EXPECT_EQ(texts[0].Align, 6);
    EXPECT_EQ(f.ReadCfg("LASTTEXT.CFG"), "1 0");
    f.Ui.Queue(ScriptAnswer::ForDialog("text", {"Cancel"}));
    CmTextExecute(f.S, f.Ui);
    EXPECT_EQ(f.Tool().Mode, ModePick); // Cancel ends the command
}

TEST(TextTool, TheDialogPresetFollowsLastTextAndAMissingFileMeansCentredHorizontal) {
    struct Case {
        const char* File; // nullptr: no file
        bool Centred, Horizontal;
    };
    for (const Case c : {Case{nullptr, true, true}, Case{"garbage", true, true}, Case{"0 0", false, false},
                         Case{"1 0", true, false}}) {
        SCOPED_TRACE(c.File ? c.File : "missing");
        ShapeFixture f;
        if (c.File) f.Cfg("LASTTEXT.CFG", c.File);
        f.Ui.Queue(ScriptAnswer::ForDialog("text", {"OK"}));
        CmTextExecute(f.S, f.Ui);
        const TTexttool& t = dynamic_cast<TTexttool&>(f.Tool());
        EXPECT_EQ(t.Mode, c.Centred ? 4 : 24);
        EXPECT_EQ(t.HitKind, c.Horizontal ? 0 : 2700);
    }
}

// Typed text: the first press is the start, Enter makes the line and moves to the next one below, a second
// Enter ends the text.
TEST(TextTool, TypedMultiLineText) {
    TextFixture f({"MULTI LINE TEXT", "horizontal text", "OK"});
    EXPECT_EQ(f.Tool().Mode, 24);
    EXPECT_EQ(
        f.Ui.Panel(0),
        "GUIDE: Press LEFT button on TEXT starting point - then type away - press Enter when finished ");
    f.Click(3000, 8000);
    EXPECT_EQ(f.Ui.Panel(0), "GUIDE: maximum of 70 letters/numbers/spaces per line");
    f.TypeLine("LOUNGE\r");
    f.TypeLine("4.2 x 3.6\r");
    f.Type('\r');
    EXPECT_EQ(f.Ui.Panel(0), "GUIDE: select tool or function");
    const auto texts = f.Saved<TTextobj>();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].Kind, 24);
    EXPECT_EQ(texts[0].Text(), "LOUNGE");
    EXPECT_EQ((Point{texts[0].X1, texts[0].Y1}), (Point{3000, 8000}));
    EXPECT_EQ(texts[0].Align, 2);
    EXPECT_EQ(texts[1].Text(), "4.2 x 3.6");
    EXPECT_EQ(texts[1].X1, 3000);
    // The next line lies one line spacing below: the font's height (12 x the zoom default 5 logical
    // units) times u + 1.
    EXPECT_EQ(texts[0].Y1 - texts[1].Y1, 12 * 5 * 6);
    EXPECT_EQ(texts[0].Aux, 0);
}

// A 71st letter makes the 70 as a line, says so, and starts the next line; the report is no coordinate of
// the stored line.
TEST(TextTool, TheSeventyFirstLetterStartsANewLine) {
    TextFixture f({"MULTI LINE TEXT", "OK"});
    f.Click(3000, 8000);
    f.TypeLine(std::string(70, 'x'));
    EXPECT_EQ(f.Count(), FloorRecordCount);
    f.Type('y');
    EXPECT_EQ(f.Ui.LastMessage(), "text longer than maximum 70 letters / spaces");
    f.Type('\r');
    const auto texts = f.Saved<TTextobj>();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].Text(), std::string(70, 'x'));
    EXPECT_NE(texts[0].Y2, 30001);
    EXPECT_EQ(texts[0].Y2, 0);
    EXPECT_EQ(texts[1].Text(), "y");
    EXPECT_LT(texts[1].Y1, texts[0].Y1);
}

TEST(TextTool, BackspaceRemovesTheLastLetterAndNothingOnAnEmptyLine) {
    TextFixture f({"MULTI LINE TEXT", "OK"});
    f.Click(3000, 8000);
    f.Type('\b');
    f.TypeLine("BEDX");
    f.Type('\b');
    f.TypeLine("2\r");
    const auto texts = f.Saved<TTextobj>();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].Text(), "BED2");
}

// A text that cannot be made (empty, more letters than a text object holds, off the sheet) makes nothing
// and takes no element number.
TEST(TextTool, RefusedTextsUseNoElementNumber) {
    struct Case {
        const char* Name;
        std::string Words;
        Point At; // y -1: just above the sheet
    };
    for (const Case& c :
         {Case{"empty", "", {5000, 5000}}, Case{"80 letters", std::string(80, 'a'), {5000, 5000}},
          Case{"off the sheet", "HALL", {5000, -1}}}) {
        SCOPED_TRACE(c.Name);
        TextFixture f;
        f.S.NextElementNo = 5;
        f.Window->ApplyMapping(f.Picture);
        f.Tool().Window = f.Window.get();
        const Point at = c.At.Y < 0 ? Point{c.At.X, f.S.SheetHeight * f.U() + 5} : c.At;
        const Point px = f.Pixel(at.X, at.Y);
        f.Tool().PlaceText(f.Picture, f.Ui.ClientSize(), px.X, px.Y, c.Words);
        EXPECT_EQ(f.Tool().MadeIndex, -1);
        EXPECT_EQ(f.S.NextElementNo, 5);
        EXPECT_EQ(f.Count(), FloorRecordCount);
    }
    // 79 letters fit.
    TextFixture f;
    f.Window->ApplyMapping(f.Picture);
    const Point px = f.Pixel(5000, 5000);
    f.Tool().PlaceText(f.Picture, f.Ui.ClientSize(), px.X, px.Y, std::string(79, 'a'));
    ASSERT_EQ(f.Saved<TTextobj>().size(), 1u);
    EXPECT_EQ(f.Saved<TTextobj>()[0].TextLen(), 79);
}

TEST(TextTool, CancelledCentredTextReturnsToThePickTool) {
    TextFixture f;
    f.Ui.Queue(ScriptAnswer::ForDialog("centred text", {"text=HALL", "Cancel"}));
    f.Click(5000, 5000);
    EXPECT_EQ(f.Tool().Mode, ModePick);
    EXPECT_EQ(f.Count(), FloorRecordCount);
}

TEST(TextTool, NoTextOnTheHouseView) {
    ShapeFixture f;
    f.S.CurrentView = 200;
    CmTextExecute(f.S, f.Ui);
    EXPECT_EQ(f.Ui.LastMessage(), "You cannot put text on house or walkthrough view");
    EXPECT_EQ(f.Tool().Mode, ModePick);
}

} // namespace
} // namespace velmora
