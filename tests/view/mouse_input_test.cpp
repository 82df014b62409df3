// The drawing window's mouse routing beyond the line tool's drag: picking an x or a y, the edit pick of
// Mode 99 with its refusals, and changing a clicked text's words and size.
#include "app/drawing_store.h"
#include "tools/line_tool.h"
#include "view/window_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace velmora {
namespace {

using test::WindowFixture;

// world (x, y) is pixel (x / 5 + 100, 900 - y / 5).
struct MouseFixture : WindowFixture {
    MouseFixture() : WindowFixture({1000, 1000}) {
        std::filesystem::create_directories(Home.Path / "ACT");
        Open();
        UnitFrame(-100, -100);
    }
    static Point Pixel(int x, int y) { return {x / 5 + 100, 900 - y / 5}; }
    void Click(Point p) {
        Window->OnMouseDown(MouseButton::Left, p);
        Window->OnMouseUp(MouseButton::Left, p);
    }
    void EditTool(int code) {
        InstallTool(S, Ui, ModeSelectForEdit);
        Tool().Step = code;
    }
    void AddLevelLine() {
        auto l = std::make_unique<TLineobj>(1, ViewGround, 0, 0, 1000, 1000, 3000, 1000, 0);
        l->LineAttrA = 900;
        S.DrawingObjects.Append(std::move(l));
    }
};

TEST(MouseInput, PicksAnXOrAYAndClearsTheStep) {
    MouseFixture f;
    InstallTool(f.S, f.Ui, 1);
    f.Tool().Step = 10000;
    f.Click(MouseFixture::Pixel(2000, 3000));
    EXPECT_EQ(f.Tool().X1, 2000);
    EXPECT_EQ(f.Tool().Step, 0);
    f.Tool().Step = 10001;
    f.Click(MouseFixture::Pixel(2000, 3000));
    EXPECT_EQ(f.Tool().Y1, 3000);
    EXPECT_EQ(f.Tool().Step, 0);
    EXPECT_EQ(f.S.DrawingObjects.ObjectCount(), 6);
}

// Nothing under the press: the refusal of the code, and the cursor back where the press was.
TEST(EditPick, RefusesAPressOnNothing) {
    struct Case {
        int Code;
        const char* Message;
    };
    const Case cases[] = {
        {700, "No valid horizontal or vertical (on screen)line or wall object selected "},
        {200, "No valid object selected - restart function again"},
        {900, "No valid object selected - restart function again"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Code);
        MouseFixture f;
        f.AddLevelLine();
        f.EditTool(c.Code);
        f.Ui.SetCursorPos({1, 1});
        f.Window->OnMouseDown(MouseButton::Left, {500, 100});
        EXPECT_EQ(f.Ui.LastMessage(), c.Message);
        EXPECT_EQ(f.Ui.CursorPos(), (Point{500, 100}));
        EXPECT_EQ(f.Tool().Mode, ModeSelectForEdit);
    }
}

// 200 on a line: the line tool goes on from the picked end, with the cursor put on it.
TEST(EditPick, ContinuingFromALineEndPutsTheLineToolThere) {
    MouseFixture f;
    f.AddLevelLine();
    f.EditTool(200);
    f.Window->OnMouseDown(MouseButton::Left, MouseFixture::Pixel(2800, 1050));
    EXPECT_EQ(f.Tool().Mode, ModePlainLine);
    EXPECT_EQ(f.Tool().Marked, 1);
    EXPECT_EQ((Point{f.Tool().X1, f.Tool().Y1}), (Point{3000, 1000}));
    EXPECT_EQ(f.Ui.CursorPos(), MouseFixture::Pixel(3000, 1000));
    f.Ui.Queue(ScriptAnswer::ForInput("1000"));
    f.Window->OnKeyDown(KeyEvent{Key::Up});
    ASSERT_EQ(f.S.DrawingObjects.ObjectCount(), 8);
    const TObj& l = *f.S.DrawingObjects.At(7);
    EXPECT_EQ((Point{l.X1, l.Y1}), (Point{3000, 1000}));
    EXPECT_EQ((Point{l.X2, l.Y2}), (Point{3000, 2000}));
}

// A wall whose tool comes later installs what exists (the pick tool) and says so.
TEST(EditPick, AKindWithoutItsToolYetInstallsThePickTool) {
    MouseFixture f;
    f.AddExtwall(ViewGround, 1000, 1000, 4000, 1000);
    f.EditTool(300);
    f.Window->OnMouseDown(MouseButton::Left, MouseFixture::Pixel(2000, 1020));
    EXPECT_EQ(f.Tool().Mode, ModePick);
    EXPECT_EQ(f.Ui.Panel(2), "pick tool");
}

// Splitting with Enter (edit code 500): the split ends with the pick tool, never with the wall's tool left
// installed (its redimensioning leaves it in Mode 31); until the wall tool exists, the pick tool it installs
// says so.
TEST(EditPick, ASplitEndsWithThePickTool) {
    MouseFixture f;
    f.AddExtwall(ViewGround, 1000, 1000, 3000, 1000);
    f.EditTool(500);
    f.Window->OnMouseDown(MouseButton::Left, MouseFixture::Pixel(2000, 1000)); // a split is marked with Enter
    EXPECT_EQ(f.Tool().Step, 500);
    f.Ui.SetCursorPos(MouseFixture::Pixel(2000, 1000));
    f.Window->OnKeyDown(KeyEvent{Key::Enter});
    EXPECT_EQ(f.Tool().Mode, ModePick);
    EXPECT_EQ(f.Ui.Panel(2), "pick tool");
    // Nothing under the cursor: the refusal, and the tool waits for another try.
    f.EditTool(500);
    f.Ui.SetCursorPos({5, 5});
    f.Window->OnKeyDown(KeyEvent{Key::Enter});
    EXPECT_EQ(f.Ui.LastMessage(), "No valid object selected - please re select and retry");
    EXPECT_EQ(f.Tool().Mode, ModeSelectForEdit);
}

struct TextFixture : MouseFixture {
    TextFixture() {
        S.DrawingObjects.Append(std::make_unique<TTextobj>(4, ViewGround, 0, 0, 2000, 2000, "Kitchen",
                                                           "Arial", 10, 0, 1, 400, 0));
        InstallTool(S, Ui, 1);
        Tool().Mode = 25;
    }
    const TTextobj& Text() { return static_cast<const TTextobj&>(*S.DrawingObjects.At(6)); }
};

TEST(ChangeText, SizesOutOfRangeAreRefusedAndAChangeTakesASnapshot) {
    struct Case {
        const char* Typed;
        int Height;
        const char* Message;
    };
    const Case cases[] = {
        {"12", 12, nullptr},
        {"0", 10, "input must be a valid number"},
        {"-4", 10, "the text size must be between 1 and 200"},
        {"100000", 10, "the text size must be between 1 and 200"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Typed);
        TextFixture f;
        f.Tool().Step = 2;
        const int before = f.S.ViewHistory[0];
        f.Ui.Queue(ScriptAnswer::ForInput(c.Typed));
        f.Click(MouseFixture::Pixel(2000, 2000));
        EXPECT_EQ(f.Text().Height, c.Height);
        if (c.Message) {
            EXPECT_EQ(f.Ui.LastMessage(), c.Message);
            EXPECT_EQ(f.S.ViewHistory[0], before);
        } else {
            EXPECT_EQ(f.S.ViewHistory[0], ViewGround);
        }
    }
}

TEST(ChangeText, WordsMustBeOneToSeventyLetters) {
    TextFixture f;
    f.Tool().Step = 1;
    f.Ui.Queue(ScriptAnswer::ForInput(""));
    f.Click(MouseFixture::Pixel(2000, 2000));
    EXPECT_EQ(f.Ui.LastMessage(), "input must not be blank");
    f.Ui.Queue(ScriptAnswer::ForInput(std::string(71, 'x')));
    f.Click(MouseFixture::Pixel(2000, 2000));
    EXPECT_EQ(f.Ui.LastMessage(), "input over the maximum of 70 letters / spaces / numbers");
    f.Ui.Queue(ScriptAnswer::ForInput("Dining"));
    f.Click(MouseFixture::Pixel(2000, 2000));
    EXPECT_EQ(f.Text().Text(), "Dining");
    f.Click(MouseFixture::Pixel(4000, 4000));
    EXPECT_EQ(f.Ui.Panel(0), "GUIDE: no text selected");
}

} // namespace
} // namespace velmora
