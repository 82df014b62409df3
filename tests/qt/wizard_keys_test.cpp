// A guided sequence on screen: Help/Wizards and New answered with their O K buttons, the panels over the
// drawing window, and Escape pressed in the window ending the sequence and taking both panels away.
#include "qt/frame_fixture.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

namespace velmora {
namespace {

using test::WaitFor;

// Every box and dialog on the way is closed with its O K button, as a user accepting what it offers.
void PressOk(QWidget* modal) {
    for (auto* b : modal->findChildren<QPushButton*>()) {
        const QString t = b->text().remove('&');
        if (t == "O K" || t == "OK") {
            b->click();
            return;
        }
    }
    test::PressEscape(modal);
}

// The Wizards dialog set to the layout sequence in metric, every other box accepted as it stands.
void ChooseMetricLayout(QWidget* modal) {
    if (modal->windowTitle() == "Wizards") {
        for (auto* r : modal->findChildren<QRadioButton*>()) {
            const QString t = r->text().remove('&');
            if (t == "using 'layout design rooms' option" || t == "in metric") r->click();
        }
    }
    PressOk(modal);
}

class WizardKeys : public test::FrameTest {};

TEST_F(WizardKeys, EscapeEndsTheSequenceAndRemovesBothPanels) {
    test::Watchdog watchdog(120);
    StartAndWaitForTheDrawing();
    test::ModalWatcher boxes(PressOk);
    Form.Action("CmWizardsExecute")->trigger();
    ASSERT_TRUE(WaitFor([this] { return State.WizardSequence == 1; }));
    WizardPanelsOverlay* panels = Form.WizardPanels();
    EXPECT_TRUE(panels->isVisible());
    EXPECT_TRUE(panels->Texts().Note.empty()); // the first step has no way-out note
    Form.Action("CmFilenewExecute")->trigger();
    ASSERT_TRUE(WaitFor([this] { return State.WizardStep == 5; })) << State.WizardStep;
    ASSERT_NE(Form.DrawingWindow(), nullptr);
    EXPECT_TRUE(panels->isVisible());
    EXPECT_FALSE(panels->Texts().Note.empty());
    EXPECT_EQ(panels->geometry(), panels->parentWidget()->rect());

    QWidget* area = Form.DrawingWindow()->Area();
    area->setFocus();
    QTest::keyClick(area, Qt::Key_Escape);
    EXPECT_EQ(State.WizardSequence, 0);
    EXPECT_EQ(State.WizardStep, 0);
    EXPECT_FALSE(panels->isVisible());
    EXPECT_FALSE(panels->Texts().Shown());
    EXPECT_EQ(Form.Panel(2), "Pick tool");
}

// The layout sequence goes from New straight on to its first room; once that room is laid out Escape in the
// window ends the sequence there, the room staying in the layout.
TEST_F(WizardKeys, EscapeEndsTheLayoutSequenceAtItsFirstRoom) {
    test::Watchdog watchdog(120);
    StartAndWaitForTheDrawing();
    test::ModalWatcher boxes(ChooseMetricLayout);
    Form.Action("CmWizardsExecute")->trigger();
    ASSERT_TRUE(WaitFor([this] { return State.WizardSequence == 3 && State.WizardStep == 100; }));
    Form.Action("CmFilenewExecute")->trigger();
    ASSERT_TRUE(WaitFor([this] { return State.WizardStep == 104; })) << State.WizardStep;
    WizardPanelsOverlay* panels = Form.WizardPanels();
    EXPECT_TRUE(panels->isVisible());
    EXPECT_EQ(panels->Texts().Step.rfind(" WIZARD\n\nDrag the room", 0), 0u) << panels->Texts().Step;
    EXPECT_FALSE(panels->Texts().Note.empty());
    EXPECT_EQ(State.CurrentView, 40);
    EXPECT_EQ(State.MetricFlag, 1);

    QWidget* area = Form.DrawingWindow()->Area();
    area->setFocus();
    QTest::keyClick(area, Qt::Key_Escape);
    EXPECT_EQ(State.WizardSequence, 0);
    EXPECT_EQ(State.WizardMode, 0);
    EXPECT_FALSE(panels->isVisible());
    EXPECT_EQ(Form.Panel(0), "GUIDE: select tool or function");
    int rooms = 0;
    for (const auto& o : State.DrawingObjects)
        rooms += o->Kind == 29000 && o->View == 40;
    EXPECT_EQ(rooms, 1);
}

} // namespace
} // namespace velmora
