// Pictures of the frame, its menus, the help window and every dialog, for a person to look at: written only
// when VELMORA_SHOTS names a folder (run it under xvfb-run for a real X server, with QT_SCALE_FACTOR=2 for a
// 2x screen); otherwise skipped.
#include "every_dialog.h"
#include "frame_fixture.h"
#include "platform/scripted_ui.h"
#include "qt/dialog_form.h"
#include "qt/help_window.h"

#include <QMenu>
#include <QMenuBar>

#include <cstdlib>
#include <sstream>

namespace velmora::test {
namespace {

std::filesystem::path ShotsFolder() {
    const char* folder = std::getenv("VELMORA_SHOTS");
    return folder ? std::filesystem::path(folder) : std::filesystem::path();
}

void Save(QWidget& w, const std::string& name) {
    QApplication::processEvents();
    const std::filesystem::path file = ShotsFolder() / (name + ".png");
    EXPECT_TRUE(w.grab().save(QString::fromStdString(file.string()))) << file;
}

std::string FileName(std::string name) {
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '-';
    return name;
}

TEST(Screenshots, EveryDialog) {
    if (ShotsFolder().empty()) GTEST_SKIP() << "VELMORA_SHOTS is not set";
    std::filesystem::create_directories(ShotsFolder());
    for (const NamedDialog& nd : EveryDialog()) {
        std::ostringstream out;
        ScriptedUi ui(out);
        DialogDescription d = nd.Make();
        DialogForm form(d, ui);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        Save(form, "dialog-" + FileName(nd.Name));
    }
}

TEST_F(FrameTest, ScreenshotsOfTheFrameItsMenusAndHelp) {
    if (ShotsFolder().empty()) GTEST_SKIP() << "VELMORA_SHOTS is not set";
    std::filesystem::create_directories(ShotsFolder());
    StartAndWaitForTheDrawing();
    Save(Form, "frame");
    int i = 0;
    for (QAction* menuAction : Form.menuBar()->actions()) {
        QMenu* menu = menuAction->menu();
        menu->popup(Form.mapToGlobal(QPoint(0, 0)));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
        Save(*menu,
             "menu-" + std::to_string(++i) + "-" + FileName(menuAction->text().remove('&').toStdString()));
        menu->hide();
    }
    // The colour chooser as the guide line's colour asks it.
    Ui.SetPanel(0, "GUIDE: Select new colour for the guide line (HINT: not too dark) ");
    ModalWatcher chooser([](QWidget* modal) {
        Save(*modal, "colour-chooser");
        PressEscape(modal);
    });
    std::vector<Colorref> custom(16, 0);
    Ui.ChooseColour(Rgb(255, 255, 192), custom);
    Ui.ShowHelp("file.htm");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Ui.Help()));
    Save(*Ui.Help(), "help");
}

} // namespace
} // namespace velmora::test
