// The drawing window's keyboard beyond the line tool's segments: the window's own keys, the angle mode,
// the temporary datum, the imperial length entry and the questions for arc heights and radii.
#include "app/drawing_store.h"
#include "tools/line_commands.h"
#include "tools/line_tool.h"
#include "view/length_question.h"
#include "view/window_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace velmora {
namespace {

using test::WindowFixture;

struct KeyFixture : WindowFixture {
    explicit KeyFixture(int metricFlag = 1) : WindowFixture({1000, 1000}, metricFlag) {
        std::filesystem::create_directories(Home.Path / "ACT");
        Open();
        UnitFrame(-100, -100);
        CmLineExecute(S, Ui);
    }
    void Key(velmora::Key k) { Window->OnKeyDown(KeyEvent{k}); }
    void Char(char c, bool keypad = false) {
        KeyEvent e{velmora::Key::Character, c};
        e.Keypad = keypad;
        Window->OnKeyDown(e);
    }
};

// A, or keypad 1, switches the line tool into the angle mode (the segment follows the mouse) and back.
TEST(KeyInput, AOrKeypadOneTogglesTheAngleMode) {
    for (const KeyEvent& k :
         {KeyEvent{Key::Character, 'a'}, KeyEvent{Key::Character, '1', false, false, true}}) {
        SCOPED_TRACE(KeyName(k));
        KeyFixture f;
        f.Ui.SetCursorPos({300, 700});
        f.Key(Key::Enter);
        f.Window->OnKeyDown(k);
        EXPECT_EQ(f.Tool().Step, 1);
        EXPECT_EQ(f.Tool().Dragging, 1);
        // In the angle mode the arrows fine-tune the cursor instead of asking a length.
        f.Key(Key::Right);
        EXPECT_EQ(f.Ui.CursorPos(), (Point{301, 700}));
        f.Window->OnKeyDown(k);
        EXPECT_EQ(f.Tool().Step, 0);
        EXPECT_EQ(f.Tool().Dragging, 0);
    }
    // A plain 1 is a typed digit, not the keypad key.
    KeyFixture f;
    f.Ui.SetCursorPos({300, 700});
    f.Key(Key::Enter);
    f.Char('1');
    EXPECT_EQ(f.Tool().Step, 0);
}

TEST(KeyInput, EscapeReturnsToThePickTool) {
    KeyFixture f;
    f.Ui.SetCursorPos({300, 700});
    f.Key(Key::Enter);
    f.Key(Key::Escape);
    EXPECT_EQ(f.Tool().Mode, ModePick);
    EXPECT_EQ(f.Ui.Panel(0), "GUIDE: Select function or tool");
    EXPECT_EQ(f.Ui.Panel(2), "Pick tool");
}

// Letting a key go saves a design room the keyboard was nudging (Step 65) and ends the nudge; the release
// of any key in any other state leaves the drawing file as it is.
TEST(KeyInput, TheReleaseOfAKeySavesANudgedDesignRoom) {
    const struct {
        int Mode, Step;
        bool Saved;
    } cases[] = {
        {29000, 65, true},
        {29001, 65, true},
        {29000, 20, false},
        {ModePlainLine, 65, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.Mode << " step " << c.Step);
        KeyFixture f;
        const std::string before = test::ReadFile(f.DrawingPath());
        f.S.DrawingObjects.Append(MakeObjectOfKind(1)); // the change the nudge made
        f.Tool().Mode = c.Mode;
        f.Tool().Step = c.Step;
        f.Tool().HitKind = 3;
        f.Window->OnKeyUp(KeyEvent{Key::Right});
        EXPECT_EQ(test::ReadFile(f.DrawingPath()) != before, c.Saved);
        EXPECT_EQ(f.Tool().HitKind, c.Saved ? 0 : 3);
    }
}

TEST(KeyInput, InsertTogglesTheLayoutGrid) {
    KeyFixture f;
    f.Key(Key::Insert);
    EXPECT_EQ(f.S.LayoutGridOn, 1);
    f.Key(Key::Insert);
    EXPECT_EQ(f.S.LayoutGridOn, 0);
}

TEST(KeyInput, EnterFixesTheTemporaryDatumAtTheCursor) {
    KeyFixture f;
    f.Window->ReadoutMode = 6;
    f.Ui.SetCursorPos({300, 700});
    f.Key(Key::Enter);
    EXPECT_EQ(f.Window->ReadoutMode, 5);
    EXPECT_EQ((Point{f.Window->RefX, f.Window->RefY}), (Point{1000, 1000}));
    EXPECT_EQ(f.S.DrawingObjects.ObjectCount(), 6);
}

// Imperial lengths come from the feet-and-inches entry, opened on the last length.
TEST(KeyInput, ImperialLengthsComeFromTheFeetEntry) {
    KeyFixture f(0);
    f.Ui.SetCursorPos({300, 700});
    f.Key(Key::Enter);
    f.Ui.Queue(ScriptAnswer::ForDialog("measurement",
                                       {"feet=10", "inches=6", "numerator=1", "denominator=2", "OK"}));
    f.Key(Key::Right);
    ASSERT_EQ(f.S.DrawingObjects.ObjectCount(), 7);
    EXPECT_EQ(f.S.DrawingObjects.At(6)->Aux, (10 * 12 + 6) * 24 + 12);
    // Cancel offers the retry; No ends the tool.
    f.Ui.Queue(ScriptAnswer::ForDialog("measurement", {"Cancel"}));
    f.Ui.Queue(ScriptAnswer::ForMessage(MessageReply::No));
    f.Key(Key::Up);
    EXPECT_EQ(f.Tool().Mode, ModePick);
}

// A guided sequence draws to its script: the arrow its step asks for draws the fixed length without a
// question, another arrow and an early F are refused.
TEST(KeyInput, AGuidedSequenceTakesOnlyTheKeysItsStepAsksFor) {
    KeyFixture f;
    f.S.SheetWidth = f.S.SheetHeight = 10000;
    f.Ui.SetCursorPos({300, 700});
    f.Key(Key::Enter);
    f.S.WizardMode = 1, f.S.WizardSequence = 1, f.S.WizardStep = 6;
    f.Key(Key::Left);
    EXPECT_EQ(f.Ui.LastMessage(), "Wrong arrow key pressed");
    f.Char('F');
    EXPECT_EQ(f.Ui.LastMessage(), "Wrong key pressed");
    EXPECT_EQ(f.S.DrawingObjects.ObjectCount(), 6);
    f.Key(Key::Right); // no question: the step's length
    ASSERT_EQ(f.S.DrawingObjects.ObjectCount(), 7);
    EXPECT_EQ(f.S.DrawingObjects.At(6)->Aux, 9000);
}

TEST(LengthQuestions, ArcHeightsAndRadiiAreBoundedOnBothSides) {
    struct Case {
        int Metric;
        bool Arc;
        const char* Typed;
        std::optional<int> Want;
    };
    const Case cases[] = {
        {1, true, "600", 600},
        {1, true, "-32000", -32000},
        {1, true, "32001", std::nullopt},
        {1, true, "-32001", std::nullopt},
        {0, true, "-1400", -33600},
        {0, true, "1401", std::nullopt},
        {1, false, "100", 100},
        {1, false, "-5", std::nullopt},
        {0, false, "4", 96},
        {0, false, "2147483647", std::nullopt},
        {1, false, "x", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Typed);
        WindowFixture f;
        f.Ui.Queue(ScriptAnswer::ForInput(c.Typed));
        const auto got = c.Arc ? AskArcHeight(f.Ui, c.Metric) : AskRadius(f.Ui, c.Metric, false);
        EXPECT_EQ(got, c.Want);
        if (!c.Want) {
            EXPECT_EQ(f.Ui.MessageCount(), 1);
        }
    }
}

} // namespace
} // namespace velmora
