// The guided sequences driven as a user drives them: Help/Wizards on a sample drawing, New going on to the
// sequence's own drawing, the steps shown in their places among the dialogs, and every way out (Escape, a
// Cancel, Open, a missing sample) leaving no sequence and no panel behind.
#include "app/program.h"
#include "app/wizard_sequence.h"
#include "app/wizard_steps.h"
#include "platform/keys.h"
#include "platform/scripted_ui.h"
#include "support/test_support.h"
#include "tools/drawing_tool.h"

#include <gtest/gtest.h>

#include <sstream>

namespace velmora {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::WriteFile;

constexpr const char* WallsMetric[] = {"using 'draw external walls' option", "in metric", "O K"};
constexpr const char* RoomsMetric[] = {"using 'layout design rooms' option", "in metric", "O K"};

class WizardTest : public ::testing::Test {
public: // the cases' answers reach the fixture from lambdas
    WizardTest() : Ui(Transcript), Prog(State, Ui) {
        fs::copy(VELMORA_HOME_TEMPLATE, Home.Path, fs::copy_options::recursive);
        State.HomePath = Home.Path;
        Prog.Start();
        Ui.RunPendingTimers();
    }
    ~WizardTest() override { EXPECT_EQ(Ui.Failure(), "") << Transcript.str(); }

    void Answer(const std::string& caption, const std::vector<std::string>& words) {
        Ui.Queue(ScriptAnswer::ForDialog(caption, words));
    }
    void StartWallsMetric() {
        Answer("Wizards", {std::begin(WallsMetric), std::end(WallsMetric)});
        ASSERT_TRUE(Prog.RunCommand("CmWizardsExecute"));
    }
    void StartRoomsMetric() {
        Answer("Wizards", {std::begin(RoomsMetric), std::end(RoomsMetric)});
        ASSERT_TRUE(Prog.RunCommand("CmWizardsExecute"));
    }
    // New at the first step, through the floor details and the wall set-up, to the first wall's start.
    void NewUpToTheFirstWall() {
        Answer("new drawing", {"O K"});
        Ui.Queue(ScriptAnswer::ForInput("2400"));
        Ui.Queue(ScriptAnswer::ForInput("100"));
        Answer("external wall type", {"walling 8\" or 200 mm", "O K"});
        Answer("secondary wall lines", {"below the main wall line", "O K"});
        ASSERT_TRUE(Prog.RunCommand("CmFilenewExecute"));
    }
    void ExpectNoSequence() {
        EXPECT_EQ(State.WizardMode, 0);
        EXPECT_EQ(State.WizardSequence, 0);
        EXPECT_EQ(State.WizardStep, 0);
        EXPECT_EQ(Ui.WizardStepPanel(), "");
        EXPECT_EQ(Ui.WizardNotePanel(), "");
    }
    fs::path Dwg(const std::string& name) const { return Home.Path / "DWGS" / (name + ".BMS"); }

    test::TempDir Home;
    AppState State;
    std::ostringstream Transcript;
    ScriptedUi Ui;
    Program Prog;
};

TEST(WizardSteps, EverySequenceHasATextForEachOfItsStepsAndNoneBeyond) {
    for (int sequence = 1; sequence <= 4; ++sequence) {
        SCOPED_TRACE(sequence);
        const int first = FirstWizardStep(sequence);
        const int end = IsRoomsSequence(sequence) ? WizardRoomsEndStep : WizardWallsEndStep;
        for (int step = first; step < end; ++step)
            EXPECT_NE(WizardStepText(sequence, step).find("WIZARD"), std::string::npos) << step;
        EXPECT_EQ(WizardStepText(sequence, end), "");
        EXPECT_EQ(WizardStepText(sequence, first - 1), "");
    }
    // The lengths a step names are those of its measuring system.
    EXPECT_NE(WizardStepText(WizardWallsMetric, 6).find("9000"), std::string::npos);
    EXPECT_NE(WizardStepText(WizardWallsImperial, 6).find("30 ft 6 in"), std::string::npos);
}

TEST_F(WizardTest, TheDialogsOtherButtonsStartNoSequence) {
    const std::string caption = Ui.WindowCaption();
    Answer("Wizards", {"Cancel"});
    Prog.RunCommand("CmWizardsExecute");
    Answer("Wizards", {"Velmora Basics"});
    Prog.RunCommand("CmWizardsExecute");
    EXPECT_EQ(Ui.HelpPage(), "qstart.htm");
    ExpectNoSequence();
    EXPECT_EQ(Ui.WindowCaption(), caption);
}

// The sample is shown at the first step without the way-out note; New shows each step while the dialog or
// question it explains is open, in the order they come.
TEST_F(WizardTest, NewShowsEachStepBeforeTheQuestionItExplains) {
    StartWallsMetric();
    EXPECT_EQ(Ui.WindowCaption(), "wizextm.PLN");
    EXPECT_GT(State.DrawingObjects.ObjectCount(), 6); // the sample's walls are on show
    EXPECT_EQ(Ui.WizardNotePanel(), "");
    NewUpToTheFirstWall();
    const std::string t = Transcript.str();
    const auto at = [&t](const std::string& s) { return t.find(s); };
    const std::size_t order[] = {
        at("[wizard]  WIZARD - New Drawing"),
        at("[dialog \"new drawing\"]"),
        at("[wizard]  WIZARD - Floor Details"),
        at("FLOOR HEIGHT [2400]"),
        at("FLOOR THICKNESS [100]"),
        at("[wizard]  WIZARD - External Wall Type"),
        at("[dialog \"external wall type\"]"),
        at("[wizard]  WIZARD - Position of Secondary"),
        at("[dialog \"secondary wall lines\"]"),
        at("[wizard]  WIZARD - Starting Point of First Wall"),
    };
    for (std::size_t i = 0; i < std::size(order); ++i) {
        ASSERT_NE(order[i], std::string::npos) << i << "\n" << t;
        if (i > 0) {
            EXPECT_LT(order[i - 1], order[i]) << i;
        }
    }
    EXPECT_EQ(State.WizardStep, 5);
    EXPECT_EQ(Ui.WindowCaption(), "wizard.PLN");
    EXPECT_EQ(Ui.WizardNotePanel(), WizardCancelNote);
    EXPECT_TRUE(fs::exists(Dwg("wizard")));
    EXPECT_FALSE(fs::exists(Dwg("wizextm")));
}

TEST_F(WizardTest, EscapeEndsTheSequenceOnceBegunWithThePickTool) {
    StartWallsMetric();
    Prog.KeyDown(KeyEvent{Key::Escape}); // at the first step Escape is the window's own
    EXPECT_EQ(State.WizardSequence, 1);
    NewUpToTheFirstWall();
    Prog.KeyDown(KeyEvent{Key::Escape});
    ExpectNoSequence();
    EXPECT_EQ(State.CurrentTool->Mode, ModePick);
    EXPECT_EQ(Ui.Panel(2), "Pick tool");
    EXPECT_EQ(Ui.Panel(0), "GUIDE: select tool or function");
}

// Each Cancel on the way ends the sequence.
TEST_F(WizardTest, ACancelDuringNewEndsTheSequence) {
    struct Case {
        const char* Name;
        std::function<void(WizardTest&)> Answers;
        bool WindowStays;
    };
    const Case cases[] = {
        {"new drawing", [](WizardTest& t) { t.Answer("new drawing", {"Cancel"}); }, false},
        {"floor height",
         [](WizardTest& t) {
             t.Answer("new drawing", {"O K"});
             t.Ui.Queue(ScriptAnswer::Cancelled(AnswerKind::Input));
         },
         true},
        {"wall type",
         [](WizardTest& t) {
             t.Answer("new drawing", {"O K"});
             t.Ui.Queue(ScriptAnswer::ForInput("2400"));
             t.Ui.Queue(ScriptAnswer::ForInput("100"));
             t.Answer("external wall type", {"Cancel"});
         },
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        StartWallsMetric();
        fs::remove(Dwg("wizard")); // the case before left it: replacing it would be asked
        c.Answers(*this);
        Prog.RunCommand("CmFilenewExecute");
        ExpectNoSequence();
        EXPECT_EQ(Ui.HasDrawingWindow(), c.WindowStays);
        EXPECT_TRUE(Ui.PendingAnswers().empty());
    }
}

// Open and a recent entry ask first, at any step: No keeps the sequence as it was, Yes ends it.
TEST_F(WizardTest, OpeningAnotherDrawingAsksToLeaveTheSequence) {
    StartWallsMetric();
    Ui.Queue(ScriptAnswer::ForMessage(MessageReply::No));
    Prog.RunCommand("CmFileopenExecute");
    EXPECT_EQ(State.WizardSequence, 1);
    EXPECT_EQ(Ui.WindowCaption(), "wizextm.PLN");
    NewUpToTheFirstWall();
    Ui.Queue(ScriptAnswer::ForMessage(MessageReply::Yes));
    Prog.RunCommand("CmLast1Execute");
    ExpectNoSequence();
    EXPECT_EQ(Ui.LastMessage(), "do you wish to leave the Wizard?");
}

// A user's own drawing named "wizard" (or "wizard2", the layout sequences' drawing) is not replaced unasked;
// No keeps it and ends the sequence.
TEST_F(WizardTest, TheSequenceAsksBeforeReplacingADrawingNamedWizard) {
    for (const bool rooms : {false, true}) {
        const std::string name = rooms ? "wizard2" : "wizard";
        SCOPED_TRACE(name);
        WriteFile(Dwg(name), ReadFile(Dwg("Sample House")));
        const std::string before = ReadFile(Dwg(name));
        if (rooms)
            StartRoomsMetric();
        else
            StartWallsMetric();
        Answer("new drawing", {"O K"});
        Ui.Queue(ScriptAnswer::ForMessage(MessageReply::No));
        Prog.RunCommand("CmFilenewExecute");
        EXPECT_EQ(Ui.LastMessage(),
                  "a drawing named " + name + " already exists - do you wish to replace it?");
        EXPECT_EQ(ReadFile(Dwg(name)), before);
        ExpectNoSequence();
    }
}

TEST_F(WizardTest, AMissingSampleLeavesNoSequenceRunning) {
    fs::remove(Home.Path / "WDS" / "wizextm.BMS");
    StartWallsMetric();
    EXPECT_EQ(Ui.LastMessage(), "no drawing of that name");
    ExpectNoSequence();
    EXPECT_FALSE(Ui.HasDrawingWindow());
    EXPECT_FALSE(fs::exists(Dwg("wizextm")));
}

// In the layout sequence too each Cancel ends the sequence: the room dialogs New goes on to, and the
// questions of Mark External Walls once the four rooms stand (here one room stands for them).
TEST_F(WizardTest, ACancelInTheLayoutSequenceEndsIt) {
    struct Case {
        const char* Name;
        std::function<void(WizardTest&)> Answers;
        bool Marking; // the Cancel is in Mark External Walls, at step 110
        int RoomsLeft;
        int ToolLeft; // a cancelled floor question leaves the room tool on the layout
    };
    const auto upToTheRoom = [](WizardTest& t) {
        t.Answer("internal wall size for room functions", {"O K"});
    };
    const Case cases[] = {
        {"room wall thickness",
         [](WizardTest& t) { t.Answer("internal wall size for room functions", {"Cancel"}); }, false, 0,
         ModePick},
        {"room details",
         [&](WizardTest& t) {
             upToTheRoom(t);
             t.Answer("room details", {"Cancel"});
         },
         false, 0, ModePick},
        {"floor height",
         [](WizardTest& t) {
             t.Ui.Queue(ScriptAnswer::ForMessage(MessageReply::Yes));
             t.Ui.Queue(ScriptAnswer::Cancelled(AnswerKind::Input));
         },
         true, 1, 29000},
        {"wall type",
         [](WizardTest& t) {
             t.Ui.Queue(ScriptAnswer::ForMessage(MessageReply::Yes));
             t.Ui.Queue(ScriptAnswer::ForInput("2400"));
             t.Ui.Queue(ScriptAnswer::ForInput("100"));
             t.Answer("external wall type", {"Cancel"});
         },
         true, 1, ModePick},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        StartRoomsMetric();
        fs::remove(Dwg("wizard2"));
        Answer("new drawing", {"O K"});
        if (c.Marking) {
            upToTheRoom(*this);
            Answer("room details", {"O K"});
        } else {
            c.Answers(*this);
        }
        Prog.RunCommand("CmFilenewExecute");
        if (c.Marking) {
            ASSERT_EQ(State.WizardStep, 104);
            State.WizardStep = 110; // the other three rooms are not needed for the question
            c.Answers(*this);
            Prog.RunCommand("CmExtwallExecute");
        }
        ExpectNoSequence();
        EXPECT_EQ(State.CurrentView, 40);
        EXPECT_EQ(State.CurrentTool->Mode, c.ToolLeft);
        int rooms = 0;
        for (const auto& o : State.DrawingObjects)
            rooms += o->Kind == 29000;
        EXPECT_EQ(rooms, c.RoomsLeft);
        EXPECT_TRUE(Ui.PendingAnswers().empty());
    }
}

// The last panel of the layout sequences stays until the user goes on: a menu command ends the sequence and
// then runs as usual.
TEST_F(WizardTest, ACommandAtTheLayoutSequencesLastPanelEndsIt) {
    StartRoomsMetric();
    State.WizardMode = 1, State.WizardSequence = 3, State.WizardStep = 121;
    ShowWizardPanels(State, Ui);
    ASSERT_NE(Ui.WizardStepPanel(), "");
    Answer("About", {"O K"});
    ASSERT_TRUE(Prog.RunCommand("HelpAbout1Execute"));
    ExpectNoSequence();
    EXPECT_EQ(Ui.PendingAnswers().size(), 0u);
}

} // namespace
} // namespace velmora
