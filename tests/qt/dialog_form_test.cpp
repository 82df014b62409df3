// The dialog renderer: any description becomes a dialog whose widgets show the fields, whose buttons keep
// the description's rules (the check refuses and the dialog stays open, Cancel skips the check, an acting
// button changes the fields in place), and whose values go back into the description.
#include "platform/scripted_ui.h"
#include "qt/dialog_form.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <sstream>

namespace velmora {
namespace {

DialogField Make(const std::string& label, FieldKind kind, const std::string& value,
                 const std::string& group = "") {
    DialogField f;
    f.Label = label;
    f.Kind = kind;
    f.Value = value;
    f.Group = group;
    return f;
}

DialogButton Closing(const std::string& caption, bool cancel = false) {
    DialogButton b;
    b.Caption = caption;
    b.IsCancel = cancel;
    return b;
}

// A dialog like the program's: a name box of at most 24 letters, a measuring system, a check box, a note,
// a colour sample, O K, Cancel, an acting button and Help.
DialogDescription NewDrawingDialog(int& checks) {
    DialogDescription d;
    d.Caption = "new drawing";
    d.HelpPage = "file.htm";
    DialogField name = Make("name", FieldKind::Text, "Smith");
    name.MaxLength = 24;
    d.Fields = {name,
                Make("feet && inches", FieldKind::Radio, "0", "measuring system"),
                Make("metric", FieldKind::Radio, "1", "measuring system"),
                Make("autosave", FieldKind::Check, "0"),
                Make("between 1 && 24 letters", FieldKind::Static, ""),
                Make("GUIDE:", FieldKind::ColourSwatch, std::to_string(Rgb(255, 0, 0)))};
    DialogButton swap;
    swap.Caption = "swap";
    swap.Closes = false;
    swap.Action = [](DialogDescription& dlg) {
        dlg.Choose(dlg.IsOn("metric") ? "feet && inches" : "metric");
        dlg.SetValue("GUIDE:", std::to_string(Rgb(0, 0, 255)));
        dlg.Field("autosave")->Enabled = false;
    };
    DialogButton help = Closing("Help");
    help.Closes = false;
    d.Buttons = {Closing("O K"), Closing("Cancel", true), swap, help};
    d.Check = [&checks](const DialogDescription& dlg,
                        const std::string& button) -> std::optional<std::string> {
        ++checks;
        EXPECT_EQ(button, "O K");
        if (dlg.Value("name").empty()) return "You must have between 1 to 24 letters or spaces";
        return std::nullopt;
    };
    return d;
}

template <class W> W* FieldAs(DialogForm& form, const std::string& label) {
    auto* w = qobject_cast<W*>(form.FieldWidget(label));
    EXPECT_NE(w, nullptr) << label;
    return w;
}

class DialogFormTest : public ::testing::Test {
protected:
    std::ostringstream Out;
    ScriptedUi Ui{Out};
    int Checks = 0;
    DialogDescription D = NewDrawingDialog(Checks);
};

TEST_F(DialogFormTest, ShowsEveryFieldByItsKind) {
    DialogForm form(D, Ui);
    EXPECT_EQ(form.windowTitle(), "new drawing");
    auto* name = FieldAs<QLineEdit>(form, "name");
    EXPECT_EQ(name->text(), "Smith");
    EXPECT_EQ(name->maxLength(), 24);
    auto* metric = FieldAs<QRadioButton>(form, "metric");
    EXPECT_TRUE(metric->isChecked());
    EXPECT_FALSE(FieldAs<QRadioButton>(form, "feet && inches")->isChecked());
    // The radio buttons of one group stand in a box titled with the group's name.
    auto* box = qobject_cast<QGroupBox*>(metric->parentWidget());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->title(), "measuring system");
    EXPECT_FALSE(FieldAs<QCheckBox>(form, "autosave")->isChecked());
    // Notes read "&" where buttons would.
    EXPECT_EQ(FieldAs<QLabel>(form, "between 1 && 24 letters")->text(), "between 1 & 24 letters");
    EXPECT_NE(form.FieldWidget("GUIDE:")->styleSheet().indexOf("rgb(255, 0, 0)"), -1);
    // Buttons in the description's order.
    const auto buttons = form.findChildren<QPushButton*>();
    std::vector<std::string> captions;
    for (QPushButton* b : buttons)
        captions.push_back(b->text().toStdString());
    EXPECT_EQ(captions, (std::vector<std::string>{"O K", "Cancel", "swap", "Help"}));
}

TEST_F(DialogFormTest, ARefusalIsShownAndTheDialogStaysOpenUntilTheInputIsRight) {
    DialogForm form(D, Ui);
    FieldAs<QLineEdit>(form, "name")->setText("");
    form.Press("O K");
    EXPECT_EQ(form.ClosedBy(), "");
    EXPECT_EQ(Ui.LastMessage(), "You must have between 1 to 24 letters or spaces");
    EXPECT_EQ(Ui.LastMessageTitle(), "new drawing");

    FieldAs<QLineEdit>(form, "name")->setText("Jones");
    FieldAs<QRadioButton>(form, "feet && inches")->click();
    FieldAs<QCheckBox>(form, "autosave")->setChecked(true);
    form.Press("O K");
    EXPECT_EQ(form.ClosedBy(), "O K");
    EXPECT_EQ(Checks, 2);
    EXPECT_EQ(D.Value("name"), "Jones");
    EXPECT_TRUE(D.IsOn("feet && inches"));
    EXPECT_FALSE(D.IsOn("metric"));
    EXPECT_TRUE(D.IsOn("autosave"));
}

TEST_F(DialogFormTest, CancelClosesWithoutTheCheck) {
    DialogForm form(D, Ui);
    FieldAs<QLineEdit>(form, "name")->setText("");
    form.Press("Cancel");
    EXPECT_EQ(form.ClosedBy(), "Cancel");
    EXPECT_EQ(Checks, 0);
    EXPECT_EQ(Ui.MessageCount(), 0);
}

TEST_F(DialogFormTest, EscapeIsTheCancelButton) {
    DialogForm form(D, Ui);
    form.reject();
    EXPECT_EQ(form.ClosedBy(), "Cancel");
    EXPECT_EQ(Checks, 0);
}

TEST_F(DialogFormTest, EscapeWithoutCancelPressesTheClosingButtonWithItsCheck) {
    DialogDescription about;
    about.Caption = "About";
    about.Buttons = {Closing("O K")};
    int checks = 0;
    about.Check = [&checks](const DialogDescription&, const std::string&) -> std::optional<std::string> {
        ++checks;
        return std::nullopt;
    };
    DialogForm form(about, Ui);
    form.reject();
    EXPECT_EQ(form.ClosedBy(), "O K");
    EXPECT_EQ(checks, 1);
}

TEST_F(DialogFormTest, AnActingButtonWorksOnWhatWasTypedAndTheFieldsShowItsResult) {
    DialogForm form(D, Ui);
    FieldAs<QLineEdit>(form, "name")->setText("Typed");
    form.Press("swap");
    EXPECT_EQ(form.ClosedBy(), "");
    EXPECT_EQ(D.Value("name"), "Typed"); // collected before the action ran
    // Radios of an exclusive group follow the description even when it clears the chosen one.
    EXPECT_TRUE(FieldAs<QRadioButton>(form, "feet && inches")->isChecked());
    EXPECT_FALSE(FieldAs<QRadioButton>(form, "metric")->isChecked());
    EXPECT_NE(form.FieldWidget("GUIDE:")->styleSheet().indexOf("rgb(0, 0, 255)"), -1);
    EXPECT_FALSE(form.FieldWidget("autosave")->isEnabled());
    EXPECT_EQ(FieldAs<QLineEdit>(form, "name")->text(), "Typed");
}

TEST_F(DialogFormTest, HelpOpensTheDialogsPage) {
    DialogForm form(D, Ui);
    form.Press("Help");
    EXPECT_EQ(Ui.HelpPage(), "file.htm");
    EXPECT_EQ(form.ClosedBy(), "");
}

TEST_F(DialogFormTest, APreviewIsDrawnByTheCoreAtItsSizeAndRedrawnAfterAnAction) {
    DialogDescription d;
    d.Caption = "bath designer";
    DialogField preview = Make("preview", FieldKind::Preview, "");
    preview.Hint = "80x60";
    d.Fields = {preview, Make("length", FieldKind::Number, "10")};
    DialogButton show;
    show.Caption = "Show Changes";
    show.Closes = false;
    d.Buttons = {Closing("O K"), show};
    Size drawnAt;
    d.DrawPreview = [&](Canvas& c, int w, int h) {
        drawnAt = {w, h};
        // A bar as long as the length box says, from the left edge.
        const int length = std::stoi(d.Value("length"));
        c.FillDeviceRect({0, 0, length, h}, Rgb(0, 0, 0));
    };
    DialogForm form(d, Ui);
    EXPECT_EQ(drawnAt, (Size{80, 60}));
    auto pictureAt = [&form](int x) {
        return qobject_cast<QLabel*>(form.FieldWidget("preview"))->pixmap().toImage().pixelColor(x, 30);
    };
    EXPECT_EQ(pictureAt(5), QColor(Qt::black));
    EXPECT_EQ(pictureAt(30), QColor(Qt::white));
    FieldAs<QLineEdit>(form, "length")->setText("40");
    form.Press("Show Changes");
    EXPECT_EQ(pictureAt(30), QColor(Qt::black));
}

} // namespace
} // namespace velmora
