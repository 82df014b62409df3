#include "app/program.h"
#include "app/session_script.h"
#include "dialogs/dialog.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>

namespace velmora {
namespace {

// ---- parsing ----

TEST(SessionScriptParse, ReadsEveryActionWithQuotingAndComments) {
    const ParsedScript p =
        ParseScript("# a session\r\n"
                    "answer \"new drawing\" name=\"Smith House\" \"draw external walls\" OK\r\n"
                    "\n"
                    "run CmFilenewExecute   # makes the drawing\n"
                    "answer input \"9 000\"\n"
                    "answer input Cancel\n"
                    "answer input \"Cancel\"\n"
                    "answer message yes\n"
                    "answer colour 0xFF\n"
                    "key Right\n"
                    "mouse click left 120 80\n"
                    "mouse move 5 -3\n"
                    "expect panel 0 \"GUIDE: # not a comment\"\n"
                    "expect message \"line one\\nline \\\"two\\\"\"\n"
                    "expect file DWGS/SMITH.BMS absent\n"
                    "save-view shot.png");
    ASSERT_TRUE(p.Error.Ok) << p.Error.Message;
    ASSERT_EQ(p.Actions.size(), 14u);
    const ScriptAction& dialog = p.Actions[0];
    EXPECT_EQ(dialog.Line, 2);
    EXPECT_EQ(dialog.Answer.Line, 2);
    EXPECT_EQ(dialog.Answer.Caption, "new drawing");
    EXPECT_EQ(dialog.Answer.Words,
              (std::vector<AnswerWord>{
                  {"name", "Smith House"}, {"draw external walls", std::nullopt}, {"OK", std::nullopt}}));
    EXPECT_EQ(p.Actions[1].Kind, ActionKind::Run);
    EXPECT_EQ(p.Actions[1].Name, "CmFilenewExecute");
    EXPECT_EQ(p.Actions[1].Text, "run CmFilenewExecute");
    EXPECT_EQ(p.Actions[2].Answer.Text, "9 000");
    EXPECT_TRUE(p.Actions[3].Answer.Cancel);
    EXPECT_FALSE(p.Actions[4].Answer.Cancel); // a quoted Cancel is text typed
    EXPECT_EQ(p.Actions[4].Answer.Text, "Cancel");
    EXPECT_EQ(p.Actions[5].Answer.Reply, MessageReply::Yes);
    EXPECT_EQ(p.Actions[6].Answer.Colour, 255);
    EXPECT_EQ(p.Actions[7].Key.Code, Key::Right);
    EXPECT_TRUE(p.Actions[8].Click);
    EXPECT_EQ(p.Actions[8].Button, MouseButton::Left);
    EXPECT_EQ(p.Actions[8].At, (Point{120, 80}));
    EXPECT_EQ(p.Actions[9].Button, std::nullopt);
    EXPECT_EQ(p.Actions[9].At, (Point{5, -3}));
    EXPECT_EQ(p.Actions[10].Expected, "GUIDE: # not a comment");
    EXPECT_EQ(p.Actions[11].Expected, "line one\nline \"two\"");
    EXPECT_FALSE(p.Actions[12].On);
    EXPECT_EQ(p.Actions[13].Name, "shot.png");
}

TEST(SessionScriptParse, QuotedPartsKeepTheirEqualsSigns) {
    const ParsedScript p = ParseScript("answer \"x=y\" \"a=b\" \"ground floor  as\"=\"G = 1\" OK");
    ASSERT_TRUE(p.Error.Ok) << p.Error.Message;
    EXPECT_EQ(p.Actions[0].Answer.Caption, "x=y");
    EXPECT_EQ(p.Actions[0].Answer.Words,
              (std::vector<AnswerWord>{
                  {"a=b", std::nullopt}, {"ground floor  as", "G = 1"}, {"OK", std::nullopt}}));
}

TEST(SessionScriptParse, ErrorsNameTheLineAndTheFault) {
    const std::vector<std::tuple<std::string, int, std::string>> cases = {
        {"run A\n\nfly away", 3, "unknown action \"fly\""},
        {"# c\nexpect panel 0 \"GUIDE: open", 2, "quoted text is not closed"},
        {"mouse click middle 1 2", 1, "left or right"},
        {"mouse click left 1", 1, "mouse click|down|up|move"},
        {"mouse down left 1 y", 1, "\"y\" is no whole number"},
        {"answer colour 16777216", 1, "is no colour"},
        {"answer colour red", 1, "is no colour"},
        {"answer message Maybe", 1, "Yes, No, OK or Cancel"},
        {"answer input two words", 1, "quote a value with blanks"},
        {"answer \"new drawing\" name=x", 1, "last word of a dialog answer is the button"},
        {"answer \"new drawing\"", 1, "answer CAPTION"},
        {"answer input", 1, "answer input needs the answer itself"},
        {"answer font size=big", 1, "\"big\" is no whole number"},
        {"answer font underline", 1, "face=NAME size=N"},
        {"key Rigth", 1, "no key called \"Rigth\""},
        {"run", 1, "run HANDLER"},
        {"expect panel 0 GUIDE: select", 1, "expect panel N \"text\""},
        {"expect recent 0 A", 1, "there is no recent 0"},
        {"expect file A maybe", 1, "exists) or not (absent)"},
        {"expect colour 5", 1, "nothing called \"colour\" can be expected"},
        {"autoanswer maybe", 1, "should be on or off"},
        {"autoanswer", 1, "autoanswer on|off"},
    };
    for (const auto& [script, line, why] : cases) {
        SCOPED_TRACE(script);
        const ParsedScript p = ParseScript(script);
        EXPECT_FALSE(p.Error.Ok);
        EXPECT_EQ(p.Error.Line, line);
        EXPECT_EQ(p.Error.Message.rfind("line " + std::to_string(line) + ": ", 0), 0u) << p.Error.Message;
        EXPECT_NE(p.Error.Message.find(why), std::string::npos) << p.Error.Message;
        EXPECT_TRUE(p.Actions.empty());
    }
}

// ---- running ----

// The program as far as a script can tell: a few menu commands that ask through the Ui, and a record of
// keys, mouse events and saved views.
class FakeHost : public ScriptHost {
public:
    FakeHost() {
        Commands["CmFilenewExecute"] = [this] { NewDrawing(); };
        Commands["CmExitExecute"] = [this] {
            if (Ui.AskYesNo("", "keep changes?")) Events.push_back("kept");
        };
        Commands["CmSwallowExecute"] = [this] {
            try {
                Ui.InputBox("length", "wall length", "");
            } catch (...) { // a careless catch in the program must not hide the failure
            }
        };
        Commands["CmOopsExecute"] = [] { throw std::out_of_range("vector index"); };
        // Two steps of a guided sequence, the first shown only on the way.
        Commands["CmStepsExecute"] = [this] {
            Ui.SetWizardPanels("step one", "");
            Ui.SetWizardPanels("step two", "note");
        };
    }

    ScriptedUi& ScriptUi() override { return Ui; }
    bool RunCommand(const std::string& handler) override {
        const auto it = Commands.find(handler);
        if (it == Commands.end()) return false;
        Events.push_back("run " + handler);
        it->second();
        return true;
    }
    void Key(const KeyEvent& key) override { Events.push_back("key " + KeyName(key)); }
    void Mouse(MouseAction action, std::optional<MouseButton> button, Point p) override {
        const char* a = action == MouseAction::Down ? "down" : action == MouseAction::Up ? "up" : "move";
        const char* b = !button ? "" : *button == MouseButton::Left ? " left" : " right";
        const Point cursor = Ui.CursorPos();
        Events.push_back(std::string(a) + b + " " + std::to_string(p.X) + "," + std::to_string(p.Y) +
                         (cursor == p ? "" : " (cursor elsewhere)"));
    }
    bool SaveView(const std::filesystem::path& file) override {
        Events.push_back("save " + file.string());
        return SaveWorks;
    }
    std::filesystem::path HomeFolder() const override { return Home.Path; }

    void NewDrawing() {
        DialogDescription d;
        d.Caption = "new drawing";
        DialogField name;
        name.Label = "name";
        name.Value = "client";
        d.Fields.push_back(name);
        DialogButton ok, cancel;
        ok.Caption = "O K";
        cancel.Caption = "Cancel";
        cancel.IsCancel = true;
        d.Buttons = {ok, cancel};
        Ui.SetPanel(0, "GUIDE: Name your new drawing and select drawing method and measurement type");
        if (Ui.RunDialog(d) == "Cancel") return;
        Ui.OpenDrawingWindow(d.Value("name") + ".PLN");
        Ui.SetPanel(0, "GUIDE: Draw external walls");
        Ui.Message("", "drawing " + d.Value("name") + " made", MessageKind::Information);
        Ui.SetRecentFiles({d.Value("name")});
    }

    std::ostringstream Out;
    ScriptedUi Ui{Out};
    test::TempDir Home;
    std::map<std::string, std::function<void()>> Commands;
    std::vector<std::string> Events;
    bool SaveWorks = true;
};

TEST(SessionScriptRun, ReplaysASession) {
    FakeHost host;
    test::WriteFile(host.Home.Path / "made.txt", "x");
    const ScriptResult r = RunScriptText(R"(
answer "new drawing" name=Smith OK
run CmFilenewExecute
expect panel 0 "GUIDE: Draw external walls"
expect message "drawing Smith made"
expect caption "Smith.PLN"
expect recent 1 Smith
expect file made.txt
expect file DWGS/none.BMS absent
mouse click left 120 80
mouse move 1300 -5
key Right
expect cursor 1300 -5
save-view shot.png
answer message Yes
run CmExitExecute
)",
                                         host);
    EXPECT_TRUE(r.Ok) << r.Message << "\n" << host.Out.str();
    EXPECT_EQ(host.Events, (std::vector<std::string>{"run CmFilenewExecute", "down left 120,80",
                                                     "up left 120,80", "move 1300,-5", "key Right",
                                                     "save " + (host.Home.Path / "shot.png").string(),
                                                     "run CmExitExecute", "kept"}));
    EXPECT_NE(host.Out.str().find("> 3: run CmFilenewExecute\n"), std::string::npos); // actions are echoed
}

struct FailureCase {
    std::string Script;
    int Line;
    std::vector<std::string> Says;
};

TEST(SessionScriptRun, FailuresStopTheScriptAndSayWhy) {
    const std::vector<FailureCase> cases = {
        {"run CmNopeExecute", 1, {"line 1 (run CmNopeExecute): there is no menu command \"CmNopeExecute\""}},
        {"run CmFilenewExecute",
         1,
         {"unanswered dialog \"new drawing\"", "name=\"client\"", "buttons: O K, Cancel",
          "no answer is left"}},
        {"answer message Yes\nrun CmFilenewExecute",
         2,
         {"line 2 (run CmFilenewExecute): unanswered dialog",
          "the next answer (line 1) is answer message Yes"}},
        {"answer \"new drawing\" nmae=x OK\nrun CmFilenewExecute",
         2,
         {"dialog \"new drawing\" (answer of line 1): no field \"nmae\"", "fields: name=\"client\""}},
        {"answer \"new drawing\" name=A OK\nrun CmFilenewExecute\nexpect panel 0 \"GUIDE: draw walls\"",
         3,
         {"expected panel 0 \"GUIDE: draw walls\", found \"GUIDE: Draw external walls\""}},
        {"expect message \"x\"", 1, {"found no message box yet"}},
        {"expect caption \"x\"", 1, {"found no drawing window"}},
        {"expect recent 2 \"x\"", 1, {"found only 0 recent files"}},
        {"expect file gone.txt", 1, {"gone.txt to exist, found it absent"}},
        {"expect checked CmGridExecute", 1, {"expected menu item CmGridExecute checked on, found it off"}},
        {"expect cursor 1 2", 1, {"expected the cursor at 1 2, found it at 0 0"}},
        {"mouse down left 1280 10", 1, {"outside the 1280 x 800 window"}},
        {"run CmSwallowExecute", 1, {"unanswered input box \"length\""}},
        {"run CmOopsExecute", 1, {"the program failed: vector index"}},
        {"answer message OK\nkey Enter",
         1,
         {"line 1 (answer message OK): answer left unused", "take no answer"}},
        {"answer input 5\nanswer input 6\nrun CmSwallowExecute", 2, {"answer input \"6\"", "left unused"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Script);
        FakeHost host;
        const ScriptResult r = RunScriptText(c.Script + "\nkey F12", host);
        EXPECT_FALSE(r.Ok);
        EXPECT_EQ(r.Line, c.Line);
        for (const auto& part : c.Says)
            EXPECT_NE(r.Message.find(part), std::string::npos) << r.Message;
        // Nothing after the failing line runs; an unused answer is found only at the end.
        const bool atEnd = r.Message.find("left unused") != std::string::npos;
        const bool ranOn = std::find(host.Events.begin(), host.Events.end(), "key F12") != host.Events.end();
        EXPECT_EQ(ranOn, atEnd);
    }
}

// A step panel shown during an action is seen by `expect wizard-shown` until the next action, even after it
// has gone; the panel shown now is `expect wizard`'s.
TEST(SessionScriptRun, WizardStepsShownDuringTheLastActionAreSeen) {
    const std::string steps =
        "run CmStepsExecute\nexpect wizard-shown \"step one\"\nexpect wizard-shown \"step two\"\n"
        "expect wizard \"step two\"\n";
    {
        FakeHost host;
        const ScriptResult r = RunScriptText(steps, host);
        EXPECT_TRUE(r.Ok) << r.Message;
    }
    const std::vector<FailureCase> cases = {
        {steps + "expect wizard-shown \"step three\"",
         5,
         {"expected wizard panel \"step three\" shown during the last action, found \"step one\", \"step "
          "two\""}},
        {steps + "key Enter\nexpect wizard-shown \"step one\"", 6, {"found none shown"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Script);
        FakeHost host;
        const ScriptResult r = RunScriptText(c.Script, host);
        EXPECT_FALSE(r.Ok);
        EXPECT_EQ(r.Line, c.Line);
        for (const auto& part : c.Says)
            EXPECT_NE(r.Message.find(part), std::string::npos) << r.Message;
    }
}

// From `autoanswer on` the questions nobody answered take their defaults, before and after a queued answer,
// until `autoanswer off`; auto-answering takes no time, so it covers what the start-up asks.
TEST(SessionScriptRun, AutoAnswerTakesDefaultsUntilSwitchedOff) {
    FakeHost host;
    host.Ui.StartOneShotTimer(1, [&] { host.NewDrawing(); });
    const ScriptResult r = RunScriptText(R"(
autoanswer on
expect caption client.PLN
answer "new drawing" name=Smith OK
run CmFilenewExecute
expect caption Smith.PLN
run CmExitExecute
autoanswer OFF
run CmExitExecute
)",
                                         host);
    EXPECT_FALSE(r.Ok);
    EXPECT_EQ(r.Line, 9) << r.Message;
    EXPECT_NE(r.Message.find("unanswered Yes/No question"), std::string::npos) << r.Message;
    EXPECT_EQ(std::count(host.Events.begin(), host.Events.end(), "kept"), 1); // the default answer is Yes
    EXPECT_NE(host.Out.str().find("  -> O K (autoanswer)\n"), std::string::npos) << host.Out.str();
}

TEST(SessionScriptRun, SaveViewThatFailsStopsTheScript) {
    FakeHost host;
    host.SaveWorks = false;
    const ScriptResult r = RunScriptText("save-view out/shot.png\nkey Enter", host);
    EXPECT_FALSE(r.Ok);
    EXPECT_NE(r.Message.find("could not save the view to"), std::string::npos);
    EXPECT_EQ(host.Events.size(), 1u);
}

// The start-up timer runs when the program first idles, after the answers written above the first action
// are queued, so a script can answer what the start-up asks.
TEST(SessionScriptRun, TimersRunAfterLeadingAnswersAreQueued) {
    FakeHost host;
    host.Ui.StartOneShotTimer(1, [&] { host.NewDrawing(); });
    const ScriptResult r =
        RunScriptText("answer \"new drawing\" name=Start OK\nexpect caption Start.PLN", host);
    EXPECT_TRUE(r.Ok) << r.Message;
}

TEST(SessionScriptRun, ScriptFileThatCannotBeReadIsAFailure) {
    FakeHost host;
    const ScriptResult r = RunScriptFile(host.Home.Path / "missing.vms", host);
    EXPECT_FALSE(r.Ok);
    EXPECT_NE(r.Message.find("cannot read the script"), std::string::npos);
    test::WriteFile(host.Home.Path / "bad.vms", "run CmFilenewExecute\njump\n");
    EXPECT_EQ(RunScriptFile(host.Home.Path / "bad.vms", host).Line, 2);
    EXPECT_TRUE(host.Events.empty()); // a script with a bad line does not start
}

} // namespace
} // namespace velmora
