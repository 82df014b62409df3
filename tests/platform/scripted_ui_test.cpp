#include "dialogs/dialog.h"
#include "platform/scripted_ui.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>

namespace velmora {
namespace {

DialogField Field(const std::string& label, FieldKind kind, const std::string& value = "",
                  const std::string& group = "") {
    DialogField f;
    f.Label = label;
    f.Kind = kind;
    f.Value = value;
    f.Group = group;
    return f;
}

DialogButton Button(const std::string& caption, bool closes = true, bool cancel = false) {
    DialogButton b;
    b.Caption = caption;
    b.Closes = closes;
    b.IsCancel = cancel;
    return b;
}

// A dialog shaped like the program's own: an edit box with a limit, two radio groups, a check box, a box
// disabled, a note, and the usual buttons. Its check refuses an empty name.
DialogDescription SampleDialog() {
    DialogDescription d;
    d.Caption = "new drawing";
    d.HelpPage = "file.htm";
    d.Fields = {
        Field("name", FieldKind::Text, "client"),
        Field("draw external walls", FieldKind::Radio, "1", "method"),
        Field("layout rooms first", FieldKind::Radio, "0", "method"),
        Field("metric", FieldKind::Radio, "1", "units"),
        Field("feet && inches", FieldKind::Radio, "0", "units"),
        Field("ground floor  as", FieldKind::Text),
        Field("show dimensions", FieldKind::Check, "1"),
        Field("locked", FieldKind::Text, "x"),
        Field("Note: names only", FieldKind::Static),
    };
    d.Fields[0].MaxLength = 24;
    d.Fields[7].Enabled = false;
    d.Buttons = {Button("O K"), Button("Cancel", true, true), Button("Help", false)};
    d.Check = [](const DialogDescription& dlg, const std::string&) -> std::optional<std::string> {
        if (dlg.Value("name").empty()) return "You must have between 1 to 24 letters or spaces";
        return std::nullopt;
    };
    return d;
}

struct Session {
    std::ostringstream Out;
    ScriptedUi Ui{Out};
};

// Runs the dialog and returns the failure text, or "" when it closed.
std::string RunExpectingFailure(ScriptedUi& ui, DialogDescription& d) {
    try {
        ui.RunDialog(d);
    } catch (const ScriptFailure& e) {
        return e.what();
    }
    return "";
}

TEST(ScriptedUiDialog, FillsFieldsByLabelAndPressesTheButton) {
    Session s;
    s.Ui.Queue(ScriptAnswer::ForDialog("new drawing",
                                       {"name=Smith House", "layout rooms first", "feet & inches", "OK"}));
    DialogDescription d = SampleDialog();
    EXPECT_EQ(s.Ui.RunDialog(d), "O K"); // OK presses the button captioned "O K"
    EXPECT_EQ(d.Value("name"), "Smith House");
    EXPECT_EQ(d.Chosen("method"), "layout rooms first");
    EXPECT_EQ(d.Chosen("units"), "feet && inches");
    EXPECT_FALSE(d.IsOn("draw external walls"));
    EXPECT_TRUE(s.Ui.PendingAnswers().empty());
    EXPECT_NE(s.Out.str().find("[dialog \"new drawing\"]"), std::string::npos);
}

struct WordCase {
    std::string Word;
    std::string Label;
    std::string Value; // the field's value after the answer
};

TEST(ScriptedUiDialog, AnswerWordsSetEachKindOfField) {
    const std::vector<WordCase> cases = {
        {"show dimensions=off", "show dimensions", "0"},
        {"show dimensions=on", "show dimensions", "1"},
        {"show dimensions", "show dimensions", "1"},
        {"Ground Floor as=First", "ground floor  as", "First"}, // case and blanks are forgiven
        {"name=ABCDEFGHIJKLMNOPQRSTUVWXYZ", "name", "ABCDEFGHIJKLMNOPQRSTUVWX"}, // cut to the box's 24
        {"name=", "name", ""},
        {"name=a=b", "name", "a=b"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Word);
        Session s;
        s.Ui.Queue(ScriptAnswer::ForDialog("new drawing", {c.Word, "Cancel"})); // Cancel skips the check
        DialogDescription d = SampleDialog();
        EXPECT_EQ(s.Ui.RunDialog(d), "Cancel");
        EXPECT_EQ(d.Value(c.Label), c.Value);
    }
}

TEST(ScriptedUiDialog, AnswersThatDoNotFitFailNamingTheDialog) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"nme=Smith", "OK"}, "no field \"nme\""},
        {{"name", "OK"}, "\"name\" is an edit box"},
        {{"metric=off", "OK"}, "cleared by choosing another"},
        {{"show dimensions=maybe", "OK"}, "takes on or off"},
        {{"locked=y", "OK"}, "\"locked\" is disabled"},
        {{"Help", "OK"}, "only the last word presses a button"},
        {{"metric"}, "the last word \"metric\" is no button"},
        {{"Note: names only", "OK"}, "no field \"Note: names only\""},
    };
    for (const auto& [words, why] : cases) {
        SCOPED_TRACE(why);
        Session s;
        s.Ui.Queue(ScriptAnswer::ForDialog("new drawing", words));
        DialogDescription d = SampleDialog();
        const std::string failure = RunExpectingFailure(s.Ui, d);
        EXPECT_NE(failure.find(why), std::string::npos) << failure;
        EXPECT_NE(failure.find("dialog \"new drawing\""), std::string::npos) << failure;
        EXPECT_NE(failure.find("buttons: O K, Cancel, Help"), std::string::npos) << failure;
        EXPECT_EQ(s.Ui.Failure(), failure);
    }
}

TEST(ScriptedUiDialog, AmbiguousLooseLabelIsRefusedButAnExactOneWins) {
    DialogDescription d;
    d.Caption = "two";
    d.Fields = {Field("Width", FieldKind::Text), Field("width", FieldKind::Text)};
    d.Buttons = {Button("O K")};
    Session s;
    s.Ui.Queue(ScriptAnswer::ForDialog("two", {"width=5", "O K"}));
    s.Ui.RunDialog(d);
    EXPECT_EQ(d.Fields[0].Value, "");
    EXPECT_EQ(d.Fields[1].Value, "5");
    s.Ui.Queue(ScriptAnswer::ForDialog("two", {"WIDTH=6", "O K"}));
    EXPECT_NE(RunExpectingFailure(s.Ui, d).find("names more than one field"), std::string::npos);
}

TEST(ScriptedUiDialog, RefusalKeepsTheDialogOpenForTheNextAnswer) {
    Session s;
    s.Ui.Queue(ScriptAnswer::ForDialog("new drawing", {"name=", "OK"}));
    s.Ui.Queue(ScriptAnswer::ForDialog("new drawing", {"name=Smith", "OK"}));
    DialogDescription d = SampleDialog();
    EXPECT_EQ(s.Ui.RunDialog(d), "O K");
    EXPECT_EQ(d.Value("name"), "Smith");
    EXPECT_EQ(s.Ui.LastMessage(), "You must have between 1 to 24 letters or spaces");
    EXPECT_NE(s.Out.str().find("[refused \"new drawing\"] You must have"), std::string::npos);
}

TEST(ScriptedUiDialog, RefusalWithoutCorrectionIsAnUnansweredDialog) {
    Session s;
    ScriptAnswer bad = ScriptAnswer::ForDialog("new drawing", {"name=", "OK"});
    bad.Line = 3;
    s.Ui.Queue(bad);
    ScriptAnswer next = ScriptAnswer::ForMessage(MessageReply::Yes);
    next.Line = 4;
    s.Ui.Queue(next);
    DialogDescription d = SampleDialog();
    const std::string failure = RunExpectingFailure(s.Ui, d);
    for (const char* part : {"unanswered dialog \"new drawing\"", "refused: \"You must have", "name=\"\"",
                             "metric (radio, chosen)", "show dimensions (box, ticked)",
                             "locked=\"x\" (disabled)", "the next answer (line 4) is answer message Yes"})
        EXPECT_NE(failure.find(part), std::string::npos) << part << " in " << failure;
    EXPECT_EQ(failure.find("Note:"), std::string::npos); // notes are not fields a script can set
}

TEST(ScriptedUiDialog, UnansweredDialogWithAnEmptyQueueOrAnotherCaption) {
    Session s;
    DialogDescription d = SampleDialog();
    std::string failure = RunExpectingFailure(s.Ui, d);
    EXPECT_NE(failure.find("unanswered dialog \"new drawing\""), std::string::npos);
    EXPECT_NE(failure.find("no answer is left"), std::string::npos);

    Session other;
    other.Ui.Queue(ScriptAnswer::ForDialog("open drawing", {"OK"}));
    failure = RunExpectingFailure(other.Ui, d);
    EXPECT_NE(failure.find("answer \"open drawing\" \"OK\""), std::string::npos) << failure;
    EXPECT_EQ(other.Ui.PendingAnswers().size(), 1u); // another dialog's answer is left alone
}

TEST(ScriptedUiDialog, ButtonsThatActLeaveTheDialogOpen) {
    Session s;
    DialogDescription d = SampleDialog();
    int shown = 0;
    DialogButton show = Button("Show Changes", false);
    show.Action = [&](DialogDescription& dlg) {
        ++shown;
        dlg.SetValue("name", "changed");
    };
    d.Buttons.push_back(show);
    s.Ui.Queue(ScriptAnswer::ForDialog("new drawing", {"Show Changes"}));
    s.Ui.Queue(ScriptAnswer::ForDialog("new drawing", {"help"}));
    s.Ui.Queue(ScriptAnswer::ForDialog("new drawing", {"O K"}));
    EXPECT_EQ(s.Ui.RunDialog(d), "O K");
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(d.Value("name"), "changed");
    EXPECT_EQ(s.Ui.HelpPage(), "file.htm");
}

TEST(ScriptedUiQuestions, RepliesAnswerTheirOwnKindOfQuestion) {
    enum class Asked { YesNo, OkCancel, YesNoCancel };
    struct Case {
        Asked Question;
        MessageReply Reply;
        std::optional<bool> Result;
    };
    for (const Case& c :
         {Case{Asked::YesNo, MessageReply::Yes, true}, Case{Asked::YesNo, MessageReply::No, false},
          Case{Asked::OkCancel, MessageReply::Ok, true}, Case{Asked::OkCancel, MessageReply::Cancel, false},
          Case{Asked::YesNoCancel, MessageReply::Yes, true},
          Case{Asked::YesNoCancel, MessageReply::No, false},
          Case{Asked::YesNoCancel, MessageReply::Cancel, std::nullopt}}) {
        Session s;
        s.Ui.Queue(ScriptAnswer::ForMessage(c.Reply));
        const std::optional<bool> result = c.Question == Asked::YesNo ? s.Ui.AskYesNo("t", "sure?")
                                           : c.Question == Asked::OkCancel
                                               ? s.Ui.AskOkCancel("t", "sure?")
                                               : s.Ui.AskYesNoCancel("t", "sure?");
        EXPECT_EQ(result, c.Result) << ReplyName(c.Reply);
        EXPECT_EQ(s.Ui.LastMessage(), "sure?");
    }
    Session wrong;
    wrong.Ui.Queue(ScriptAnswer::ForMessage(MessageReply::Ok));
    EXPECT_THROW(wrong.Ui.AskYesNo("t", "leave the Wizard?"), ScriptFailure);
    EXPECT_NE(wrong.Ui.Failure().find("cannot be answered OK"), std::string::npos);
    // Cancel is no answer to a question that cannot be called off, nor OK to one that can.
    Session noCancel;
    noCancel.Ui.Queue(ScriptAnswer::ForMessage(MessageReply::Cancel));
    EXPECT_THROW(noCancel.Ui.AskYesNo("t", "leave the Wizard?"), ScriptFailure);
    Session noOk;
    noOk.Ui.Queue(ScriptAnswer::ForMessage(MessageReply::Ok));
    EXPECT_THROW(noOk.Ui.AskYesNoCancel("", "do you wish to save drawing changes?"), ScriptFailure);
    EXPECT_NE(noOk.Ui.Failure().find("(buttons: Yes, No, Cancel)"), std::string::npos) << noOk.Ui.Failure();
}

TEST(ScriptedUiQuestions, BoxesWithOnlyOkTakeNoAnswer) {
    Session s;
    s.Ui.Queue(ScriptAnswer::ForMessage(MessageReply::Yes));
    s.Ui.Message("Drawing Name Error", "first\nsecond", MessageKind::Information);
    EXPECT_EQ(s.Ui.LastMessage(), "first\nsecond");
    EXPECT_EQ(s.Ui.LastMessageTitle(), "Drawing Name Error");
    EXPECT_EQ(s.Ui.PendingAnswers().size(), 1u);
    EXPECT_NE(s.Out.str().find("first\\nsecond\n"), std::string::npos); // one transcript line per box
    EXPECT_TRUE(s.Ui.AskYesNo("", "keep changes?"));
}

TEST(ScriptedUiQuestions, UnansweredQuestionsNameWhatWasAsked) {
    Session s;
    EXPECT_THROW(s.Ui.AskYesNo("", "do you wish to leave the Wizard?"), ScriptFailure);
    EXPECT_NE(s.Ui.Failure().find("Yes/No question \"do you wish to leave the Wizard?\""), std::string::npos);
    Session input;
    input.Ui.Queue(ScriptAnswer::ForColour(255));
    EXPECT_THROW(input.Ui.InputBox("length", "wall length in mm", "0"), ScriptFailure);
    EXPECT_NE(input.Ui.Failure().find("input box \"length\""), std::string::npos);
    EXPECT_NE(input.Ui.Failure().find("answer colour 255"), std::string::npos);
}

TEST(ScriptedUiQuestions, FirstFailureIsKeptWhenTheProgramSwallowsIt) {
    Session s;
    try {
        s.Ui.InputBox("a", "first", "");
    } catch (...) {
    }
    try {
        s.Ui.InputBox("b", "second", "");
    } catch (...) {
    }
    EXPECT_NE(s.Ui.Failure().find("\"a\""), std::string::npos);
}

TEST(ScriptedUiChoosers, InputFileColourAndFontAnswers) {
    Session s;
    s.Ui.Queue(ScriptAnswer::ForInput("9000"));
    s.Ui.Queue(ScriptAnswer::Cancelled(AnswerKind::Input));
    s.Ui.Queue(ScriptAnswer::ForFile("SMITH.BMS"));
    s.Ui.Queue(ScriptAnswer::ForFile("/abs/X.BMS"));
    s.Ui.Queue(ScriptAnswer::Cancelled(AnswerKind::File));
    s.Ui.Queue(ScriptAnswer::ForColour(255));
    FontAnswer font;
    font.Face = "Courier";
    font.Bold = true;
    s.Ui.Queue(ScriptAnswer::ForFont(font));
    EXPECT_EQ(s.Ui.InputBox("c", "p", "1"), std::optional<std::string>("9000"));
    EXPECT_EQ(s.Ui.InputBox("c", "p", "1"), std::nullopt);
    EXPECT_EQ(s.Ui.ChooseFile("open", "/home/DWGS", "*.BMS", false), "/home/DWGS/SMITH.BMS");
    EXPECT_EQ(s.Ui.ChooseFile("open", "/home/DWGS", "*.BMS", false), "/abs/X.BMS");
    EXPECT_EQ(s.Ui.ChooseFile("open", "/home/DWGS", "*.BMS", false), std::nullopt);
    std::vector<Colorref> custom;
    EXPECT_EQ(s.Ui.ChooseColour(0, custom), std::optional<Colorref>(255));
    FontChoice initial;
    initial.PointSize = 12;
    initial.Italic = true;
    const FontChoice f = s.Ui.ChooseFont(initial).value();
    EXPECT_EQ(f.FaceName, "Courier");
    EXPECT_EQ(f.PointSize, 12); // what the answer leaves out stays as the chooser opened
    EXPECT_TRUE(f.Bold);
    EXPECT_TRUE(f.Italic);
}

// ---- answering by default ----

TEST(ScriptedUiAutoAnswer, EveryKindOfQuestionTakesItsDefaultAndTheTranscriptSaysSo) {
    Session s;
    s.Ui.SetAutoAnswer(true);
    DialogDescription d = SampleDialog();
    EXPECT_EQ(s.Ui.RunDialog(d), "O K");
    EXPECT_EQ(d.Value("name"), "client"); // the fields keep what the dialog opened with
    EXPECT_TRUE(s.Ui.AskYesNo("", "do you wish to save drawing changes?"));
    EXPECT_TRUE(s.Ui.AskOkCancel("", "go on?"));
    EXPECT_EQ(s.Ui.InputBox("length", "wall length", "9000"), std::optional<std::string>("9000"));
    EXPECT_EQ(s.Ui.ChooseFile("open", "/home/DWGS", "*.BMS", false), std::nullopt);
    std::vector<Colorref> custom;
    EXPECT_EQ(s.Ui.ChooseColour(255, custom), std::nullopt);
    EXPECT_EQ(s.Ui.ChooseFont(FontChoice{}), std::nullopt);
    const std::string out = s.Out.str();
    for (const char* line : {"  -> O K (autoanswer)\n", "  -> Yes (autoanswer)\n", "  -> OK (autoanswer)\n",
                             "  -> \"9000\" (autoanswer)\n"})
        EXPECT_NE(out.find(line), std::string::npos) << line << " in\n" << out;
    std::size_t cancels = 0;
    for (auto at = out.find("  -> Cancel (autoanswer)\n"); at != std::string::npos;
         at = out.find("  -> Cancel (autoanswer)\n", at + 1))
        ++cancels;
    EXPECT_EQ(cancels, 3u); // the three choosers
}

TEST(ScriptedUiAutoAnswer, AQueuedAnswerThatFitsStillWins) {
    Session s;
    s.Ui.SetAutoAnswer(true);
    s.Ui.Queue(ScriptAnswer::ForMessage(MessageReply::No));
    s.Ui.Queue(ScriptAnswer::ForDialog("new drawing", {"name=Smith", "OK"}));
    DialogDescription other = SampleDialog();
    other.Caption = "zoom style";
    EXPECT_FALSE(s.Ui.AskYesNo("", "keep changes?"));
    EXPECT_EQ(s.Ui.RunDialog(other), "O K"); // not its answer: taken by default, the answer waits
    DialogDescription d = SampleDialog();
    EXPECT_EQ(s.Ui.RunDialog(d), "O K");
    EXPECT_EQ(d.Value("name"), "Smith");
    EXPECT_TRUE(s.Ui.PendingAnswers().empty());
    s.Ui.SetAutoAnswer(false);
    EXPECT_THROW(s.Ui.AskYesNo("", "keep changes?"), ScriptFailure);
}

TEST(ScriptedUiAutoAnswer, ADialogThatRefusesItsDefaultsIsCancelled) {
    Session s;
    s.Ui.SetAutoAnswer(true);
    DialogDescription d = SampleDialog();
    d.Fields[0].Value = ""; // the check refuses an empty name
    EXPECT_EQ(s.Ui.RunDialog(d), "Cancel");
    EXPECT_NE(s.Out.str().find("[refused \"new drawing\"]"), std::string::npos);

    // Without a Cancel button there is no way on: a failure, not a loop.
    DialogDescription stuck = SampleDialog();
    stuck.Fields[0].Value = "";
    stuck.Buttons = {Button("O K")};
    EXPECT_THROW(s.Ui.RunDialog(stuck), ScriptFailure);
    EXPECT_NE(s.Ui.Failure().find("refuses its defaults"), std::string::npos) << s.Ui.Failure();
}

TEST(ScriptedUiAutoAnswer, AProgramThatKeepsAskingIsStopped) {
    Session s;
    s.Ui.SetAutoAnswer(true);
    // An input box asked again whenever its default is refused would never end.
    EXPECT_THROW(for (;;) s.Ui.InputBox("length", "input must be a valid number", "0"), ScriptFailure);
    EXPECT_NE(s.Ui.Failure().find("keeps asking"), std::string::npos);
    // The count starts again after each pause of the event loop.
    Session fresh;
    fresh.Ui.SetAutoAnswer(true);
    for (int i = 0; i < 150; ++i)
        fresh.Ui.InputBox("length", "wall length", "9000");
    fresh.Ui.Idle();
    for (int i = 0; i < 150; ++i)
        fresh.Ui.InputBox("length", "wall length", "9000");
    EXPECT_TRUE(fresh.Ui.Failure().empty());
}

TEST(ScriptedUiWindow, TimersAndPaintingWaitForTheIdleLoop) {
    Session s;
    std::vector<std::string> events;
    s.Ui.SetPaintHandler([&](const Rect& r) {
        events.push_back("paint " + std::to_string(r.Left) + "," + std::to_string(r.Top) + "-" +
                         std::to_string(r.Right) + "," + std::to_string(r.Bottom));
    });
    s.Ui.StartOneShotTimer(10, [&] {
        events.push_back("timer 1");
        s.Ui.StartOneShotTimer(10, [&] { events.push_back("timer 2"); });
    });
    s.Ui.Invalidate(Rect{0, 0, 10, 10}); // no window: nothing to paint
    EXPECT_EQ(s.Ui.InvalidArea(), std::nullopt);
    EXPECT_EQ(s.Ui.WindowCanvas(), nullptr);
    EXPECT_TRUE(events.empty());

    s.Ui.OpenDrawingWindow("SMITH.PLN");
    s.Ui.Idle();
    EXPECT_EQ(events, (std::vector<std::string>{"timer 1", "timer 2", "paint 0,0-1280,800"}));

    events.clear();
    s.Ui.Invalidate(Rect{10, 20, 30, 40});
    s.Ui.Invalidate(Rect{5, 30, 15, 60});
    s.Ui.UpdateNow();
    s.Ui.UpdateNow(); // nothing left to paint
    EXPECT_EQ(events, (std::vector<std::string>{"paint 5,20-30,60"}));
}

TEST(ScriptedUiWindow, TimersThatRestartForeverFail) {
    Session s;
    std::function<void()> again = [&] { s.Ui.StartOneShotTimer(1, again); };
    s.Ui.StartOneShotTimer(1, again);
    EXPECT_THROW(s.Ui.RunPendingTimers(), ScriptFailure);
}

TEST(ScriptedUiWindow, KeepsWhatScriptsCheck) {
    Session s;
    EXPECT_EQ(s.Ui.ClientSize(), (Size{1280, 800}));
    s.Ui.SetPanel(0, "GUIDE: select a function");
    s.Ui.SetPanel(0, "GUIDE: select a function");
    EXPECT_EQ(s.Ui.Panel(0), "GUIDE: select a function");
    EXPECT_EQ(s.Ui.Panel(2), "");
    // A guide line set twice is shown once.
    const std::string out = s.Out.str();
    EXPECT_EQ(out.find("GUIDE"), out.rfind("GUIDE"));
    EXPECT_TRUE(s.Ui.MenuEnabled("CmFilenewExecute"));
    s.Ui.SetMenuEnabled("CmFilenewExecute", false);
    s.Ui.SetMenuChecked("CmGridExecute", true);
    EXPECT_FALSE(s.Ui.MenuEnabled("CmFilenewExecute"));
    EXPECT_TRUE(s.Ui.MenuChecked("CmGridExecute"));
    EXPECT_FALSE(s.Ui.MenuChecked("CmOtherExecute"));
    s.Ui.OpenDrawingWindow("A.PLN");
    s.Ui.SetWindowCaption("A.GRD");
    EXPECT_EQ(s.Ui.WindowCaption(), "A.GRD");
    s.Ui.CloseDrawingWindow();
    EXPECT_FALSE(s.Ui.HasDrawingWindow());
    EXPECT_EQ(s.Ui.WindowCaption(), "");
}

} // namespace
} // namespace velmora
