// A bad entry typed into a real dialog of the running program: the refusal's message box shows over the
// dialog, and once it is left the dialog is still open with what the user had chosen, so the entry can be
// put right and the command goes on.
#include "frame_fixture.h"

#include "qt/dialog_form.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace velmora::test {
namespace {

struct DialogVisit {
    std::string Caption;
    bool StillOpen = false;
};

class DialogRefusalTest : public FrameTest {
protected:
    // Types `text` into the field as a user does: select what is there, type over it.
    static void TypeInto(DialogForm& form, const std::string& label, const std::string& text) {
        auto* edit = qobject_cast<QLineEdit*>(form.FieldWidget(label));
        ASSERT_NE(edit, nullptr) << label;
        QTest::mouseClick(edit, Qt::LeftButton);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit, QString::fromStdString(text));
    }
};

TEST_F(DialogRefusalTest, ABadNameInNewKeepsTheDialogOpenWithItsChoicesUntilTheNameIsRight) {
    StartWithoutADrawing();
    std::vector<std::string> boxes;
    bool openAfterRefusal = false, feetKept = false;
    // The refusal's box, answered while the dialog is being answered: by a watcher of its own, since a
    // timer does not fire again inside its own handler.
    auto answerTheBox = [&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box) return;
        boxes.push_back(box->windowTitle().toStdString() + ": " + box->text().toStdString());
        // The box stands over the dialog that refused, not behind it beside the frame.
        EXPECT_NE(qobject_cast<DialogForm*>(box->parentWidget()), nullptr);
        box->button(QMessageBox::Ok)->click();
    };
    ModalWatcher watcher([&](QWidget* modal) {
        auto* form = qobject_cast<DialogForm*>(modal);
        if (!form || form->windowTitle() != "new drawing") return PressEscape(modal);
        ModalWatcher refusals(answerTheBox);
        QTest::mouseClick(form->FieldWidget("feet and inches"), Qt::LeftButton, {}, QPoint(6, 6));
        TypeInto(*form, "name", "no/slashes");
        QTest::mouseClick(form->ButtonWidget("O K"), Qt::LeftButton);
        openAfterRefusal = form->isVisible() && form->ClosedBy().empty();
        feetKept = qobject_cast<QRadioButton*>(form->FieldWidget("feet and inches"))->isChecked();
        TypeInto(*form, "name", "Jones");
        QTest::mouseClick(form->ButtonWidget("O K"), Qt::LeftButton);
    });
    Form.RunCommand("CmFilenewExecute");
    ASSERT_TRUE(WaitFor([this] { return Form.DrawingWindow() != nullptr; }));

    EXPECT_EQ(boxes, (std::vector<std::string>{
                         "Drawing Name Error: You must have between 1 to 24 letters or spaces - start File / "
                         "New again"}));
    EXPECT_TRUE(openAfterRefusal);
    EXPECT_TRUE(feetKept);
    EXPECT_EQ(State.DrawingName, "Jones");
    EXPECT_EQ(State.MetricFlag, 0);
    EXPECT_TRUE(std::filesystem::exists(Home.Path / "DWGS" / "Jones.BMS"));
}

// A word typed into a number box: the box's refusal shows over the dialog, which stays open with the
// word still there to be put right; only the corrected size is stored.
TEST_F(DialogRefusalTest, AWordInANumberBoxIsRefusedAndTheDialogStaysOpen) {
    StartAndWaitForTheDrawing();
    std::vector<std::string> boxes;
    bool openAfterRefusal = false;
    std::string kept;
    auto answerTheBox = [&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box) return;
        boxes.push_back(box->windowTitle().toStdString() + ": " + box->text().toStdString());
        box->button(QMessageBox::Ok)->click();
    };
    ModalWatcher watcher([&](QWidget* modal) {
        auto* form = qobject_cast<DialogForm*>(modal);
        if (!form || form->windowTitle() != "text sizes for rooms") return PressEscape(modal);
        ModalWatcher refusals(answerTheBox);
        TypeInto(*form, "dimensions size", "ten");
        QTest::mouseClick(form->ButtonWidget("O K"), Qt::LeftButton);
        openAfterRefusal = form->isVisible() && form->ClosedBy().empty();
        kept = qobject_cast<QLineEdit*>(form->FieldWidget("dimensions size"))->text().toStdString();
        TypeInto(*form, "dimensions size", "12");
        QTest::keyClick(form->FieldWidget("dimensions size"), Qt::Key_Return);
    });
    Form.RunCommand("CmDefrmtextExecute");

    EXPECT_EQ(boxes,
              (std::vector<std::string>{"text sizes for rooms: dimensions input is incorrect\n6 - 20"}));
    EXPECT_TRUE(openAfterRefusal);
    EXPECT_EQ(kept, "ten");
    EXPECT_EQ(ReadFile(Home.Path / "CFG" / "MOFFSET.CFG"), "400 600 1000 0 10 12 10");
}

} // namespace
} // namespace velmora::test
