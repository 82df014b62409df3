// The main frame on screen (offscreen platform) with the real Program behind it: the menus and tool bar the
// table describes, the status bar and its guide line, the drawing window the start-up opens, its events,
// help, and the exit through the frame's close box.
#include "app/menu_table.h"
#include "qt/frame_fixture.h"
#include "qt/help_window.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <filesystem>

namespace velmora {
namespace {

namespace fs = std::filesystem;

using test::FrameTest;
using test::WaitFor;

TEST_F(FrameTest, MenusAndButtonsFollowTheTableAndTheCommandsThatExist) {
    EXPECT_EQ(Form.windowTitle(), "Velmora 11.1");
    const auto menus = Form.menuBar()->actions();
    ASSERT_EQ(menus.size(), static_cast<qsizetype>(MenuTable().size()));
    // Each menu opens with Alt and a letter of its caption (shown underlined).
    for (std::size_t i = 0; i < MenuTable().size(); ++i)
        EXPECT_EQ(menus[static_cast<qsizetype>(i)]->text().remove('&').toStdString(), MenuTable()[i].Caption);
    EXPECT_EQ(menus[0]->text(), "&File");
    EXPECT_EQ(menus[2]->text(), " &Zoom ");
    EXPECT_EQ(Form.Action("CmFilenewExecute")->shortcut(), QKeySequence("Ctrl+N"));
    EXPECT_EQ(Form.Action("CmZoomupExecute")->shortcut(), QKeySequence("Ctrl+Z"));

    Prog.Start();
    // Every item and button is enabled exactly when its command can run (a hidden item, a recent entry with
    // no drawing yet, can never be chosen).
    for (std::string_view handler : AllHandlers())
        for (QAction* a : Form.Actions(std::string(handler)))
            if (a->isVisible()) {
                EXPECT_EQ(a->isEnabled(), Prog.CommandEnabled(handler)) << handler;
            }
    // The datum button repeats a menu command: both are one command.
    EXPECT_EQ(Form.Actions("CmDatumExecute").size(), 2u);
    EXPECT_EQ(Form.ToolBar()->findChild<QLabel*>("crds") != nullptr, true);
}

TEST_F(FrameTest, TheStatusBarStandsWhereTheGuideSettingsSayInTheirColour) {
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Form.PanelLabel(i)->sizeHint().width(),
                  (std::array{600, 90, 50})[static_cast<std::size_t>(i)]);
    auto* central = static_cast<QVBoxLayout*>(Form.centralWidget()->layout());
    Form.ApplyGuide(1, Rgb(200, 255, 200), Rgb(0, 0, 128));
    EXPECT_TRUE(Form.GuideAtTop());
    EXPECT_EQ(central->indexOf(Form.StatusBar()), 0);
    EXPECT_NE(Form.StatusBar()->styleSheet().indexOf("rgb(200, 255, 200)"), -1);
    EXPECT_NE(Form.StatusBar()->styleSheet().indexOf("rgb(0, 0, 128)"), -1);
    // Any other position is the bottom.
    Form.ApplyGuide(3, Rgb(255, 255, 192), 0);
    EXPECT_EQ(central->indexOf(Form.StatusBar()), central->count() - 1);

    Ui.SetPanel(0, "GUIDE: press F1 for HELP");
    EXPECT_EQ(Ui.Panel(0), "GUIDE: press F1 for HELP");
    EXPECT_EQ(Form.PanelLabel(0)->text(), "GUIDE: press F1 for HELP");
    Ui.SetReadout("cursor distance");
    EXPECT_EQ(Form.Readout(), "cursor distance");
}

TEST_F(FrameTest, RecentDrawingsShowInTheFileMenu) {
    Ui.SetRecentFiles({"Smith", "Jones & Co"});
    // Numbered, the number underlined for its key; a name's own "&" shows as it is.
    EXPECT_EQ(Form.Action("CmLast1Execute")->text(), "&1 Smith");
    EXPECT_EQ(Form.Action("CmLast2Execute")->text(), "&2 Jones && Co");
    EXPECT_TRUE(Form.Action("CmLast2Execute")->isVisible());
    EXPECT_FALSE(Form.Action("CmLast3Execute")->isVisible());
    Ui.SetMenuChecked("CmAutosaveExecute", true);
    EXPECT_TRUE(Form.Action("CmAutosaveExecute")->isChecked());
}

TEST_F(FrameTest, TheStartUpOpensTheSampleHouseInADrawingWindow) {
    StartAndWaitForTheDrawing();
    TMDIChildWidget* w = Form.DrawingWindow();
    EXPECT_EQ(Form.windowTitle(), "Velmora 11.1 - [Sample House.PLN][*]");
    EXPECT_EQ(w->Area()->cursor().shape(), Qt::CrossCursor);
    const Size c = Ui.ClientSize();
    EXPECT_EQ(c, (Size{w->Area()->width(), w->Area()->height()}));
    EXPECT_EQ(w->Backing().GetSize(), c);

    // The picture is the plan: a good deal of black line work on the white background.
    Ui.Invalidate();
    Ui.UpdateNow();
    const QImage& image = w->Backing().GetImage();
    int ink = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == Qt::black) ++ink;
    EXPECT_GT(ink, 500);
    EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::white));
}

TEST_F(FrameTest, TheCoreReadsBackTheScrollStateItSet) {
    StartAndWaitForTheDrawing();
    // A view centred in a window wider than its sheet stands at a negative position; the bar cannot show
    // it, but the view's origin depends on it.
    const ScrollState s{400, 300, -120, 20};
    Ui.SetScroll(s);
    EXPECT_EQ(Ui.Scroll(), s);
    EXPECT_EQ(Form.DrawingWindow()->HorizontalBar()->maximum(), 400);
    EXPECT_EQ(Form.DrawingWindow()->VerticalBar()->value(), 20);
}

TEST_F(FrameTest, MouseAndKeysInTheWindowReachTheProgram) {
    StartAndWaitForTheDrawing();
    QWidget* area = Form.DrawingWindow()->Area();
    QMouseEvent move(QEvent::MouseMove, QPointF(300, 200), area->mapToGlobal(QPointF(300, 200)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(area, &move);
    EXPECT_EQ(Ui.CursorPos(), (Point{300, 200}));
    EXPECT_FALSE(Form.Readout().empty());

    // F1 opens the help window inside the program on an installed page.
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(area, &f1);
    ASSERT_NE(Ui.Help(), nullptr);
    EXPECT_TRUE(Ui.Help()->isVisible());
    EXPECT_FALSE(Ui.Help()->CurrentPage().empty());
    EXPECT_EQ(Ui.Help()->Browser()->toPlainText().indexOf("is not installed"), -1);
}

TEST_F(FrameTest, KeysThatReachTheFrameGoToTheDrawingWindow) {
    StartAndWaitForTheDrawing();
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(&Form, &f1);
    ASSERT_NE(Ui.Help(), nullptr);
    EXPECT_TRUE(Ui.Help()->isVisible());
}

TEST_F(FrameTest, TheCoreMovesTheCursorAndThePointerFollows) {
    StartAndWaitForTheDrawing();
    Ui.SetCursorPos({123, 45});
    EXPECT_EQ(Ui.CursorPos(), (Point{123, 45}));
}

TEST_F(FrameTest, HelpMenuItemsShowTheirPages) {
    Prog.Start();
    Form.Action("CmTerminology1Execute")->trigger();
    ASSERT_NE(Ui.Help(), nullptr);
    EXPECT_EQ(Ui.Help()->CurrentPage(), "glossary.htm");
    Ui.ShowHelp("../secret.htm");
    EXPECT_NE(Ui.Help()->Browser()->toPlainText().indexOf("is not installed"), -1);
}

TEST_F(FrameTest, ClosingTheFrameRunsTheExitSequence) {
    StartAndWaitForTheDrawing();
    EXPECT_TRUE(Form.close());
    EXPECT_TRUE(Prog.ExitRequested());
    EXPECT_EQ(Form.DrawingWindow(), nullptr);
    EXPECT_EQ(test::ReadFile(Home.Path / "CFG" / "LASTDWG.CFG").rfind("12 Sample House", 0), 0u);
}

TEST(HelpFolder, TheFirstFolderThatExistsIsTheOne) {
    test::TempDir dir;
    fs::create_directories(dir.Path / "b");
    EXPECT_EQ(FindHelpFolder({dir.Path / "a", dir.Path / "b"}), dir.Path / "b");
    EXPECT_EQ(FindHelpFolder({dir.Path / "a"}), dir.Path / "a");
    const auto candidates = HelpFolderCandidates(dir.Path / "home", dir.Path / "bin");
    ASSERT_EQ(candidates.size(), 3u);
    EXPECT_EQ(candidates[0], fs::path(VELMORA_HELP_DIR));
    EXPECT_EQ(candidates[1], dir.Path / "help");
    EXPECT_EQ(candidates[2], dir.Path / "bin" / "help");
}

TEST(FileFilter, PatternsBecomeChooserFilters) {
    EXPECT_EQ(FileFilter("*.BMS"), "*.BMS (*.BMS)");
    EXPECT_EQ(FileFilter("*.BMP;*.PNG"), "*.BMP *.PNG (*.BMP *.PNG)");
    EXPECT_EQ(FileFilter("Drawings|*.BMS|All|*.*"), "Drawings (*.BMS);;All (*.*)");
    EXPECT_EQ(FileFilter(""), "All files (*)");
}

} // namespace
} // namespace velmora
