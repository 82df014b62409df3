// The colour chooser covers the guide line that says what is being coloured, so its title says it; the
// guide line's own colour is changed from a button beside its sample, not from the row of closing buttons.
#include "frame_fixture.h"

#include "dialogs/customise_dialogs.h"
#include "qt/dialog_form.h"

#include <QColorDialog>
#include <QPushButton>

namespace velmora::test {
namespace {

TEST_F(FrameTest, TheColourChooserIsTitledWithWhatTheGuideLineAsks) {
    const struct {
        const char* Guide;
        const char* Title; // "" for the toolkit's own title
    } cases[] = {
        {"GUIDE: Select new colour for the guide line (HINT: not too dark) ",
         "Select new colour for the guide line (HINT: not too dark)"},
        {"GUIDE: Select ellipse fill colour", "Select ellipse fill colour"},
        {"GUIDE: Pick Tool", ""},
    };
    StartAndWaitForTheDrawing();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Guide);
        Ui.SetPanel(0, c.Guide);
        std::string title;
        ModalWatcher watcher([&](QWidget* modal) {
            if (auto* chooser = qobject_cast<QColorDialog*>(modal))
                title = chooser->windowTitle().toStdString();
            PressEscape(modal);
        });
        std::vector<Colorref> custom(16, 0);
        EXPECT_EQ(Ui.ChooseColour(Rgb(255, 255, 192), custom), std::nullopt);
        if (*c.Title)
            EXPECT_EQ(title, c.Title);
        else
            EXPECT_EQ(title, QColorDialog().windowTitle().toStdString());
    }
}

TEST_F(FrameTest, TheGuideColourButtonStandsBesideItsSample) {
    DialogDescription d = TDefGuideDlg1::Make(1, Rgb(255, 255, 192), {});
    DialogForm form(d, Ui);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    auto in = [&](QWidget* w) { return QRect(w->mapTo(&form, QPoint(0, 0)), w->size()); };
    const QRect sample = in(form.FieldWidget(TDefGuideDlg1::Sample));
    const QRect change = in(form.ButtonWidget(TDefGuideDlg1::ChangeColour));
    const QRect ok = in(form.ButtonWidget("O K"));
    EXPECT_LT(std::abs(sample.center().y() - change.center().y()), 6);
    EXPECT_GT(change.left(), sample.right());
    EXPECT_GT(ok.top(), change.bottom());
}

} // namespace
} // namespace velmora::test
