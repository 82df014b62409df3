// The help window as a user meets it: in front of the dialog whose Help was pressed and taking input beside
// it, closed by Escape and Ctrl+W, titled with the page shown, and searchable over every page.
#include "frame_fixture.h"

#include "dialogs/new_drawing_dialog.h"
#include "qt/dialog_form.h"
#include "qt/help_search.h"
#include "qt/help_window.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>

namespace velmora::test {
namespace {

// A help window of its own on the installed pages, shown and active.
struct ShownHelp {
    ShownHelp() {
        Window.ShowPage("file.htm");
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&Window));
        Window.activateWindow();
        // Only a help to the key tests: some platforms never make a window active, and none relies on it.
        (void)QTest::qWaitForWindowActive(&Window);
    }
    HelpWindow Window{VELMORA_HELP_DIR};
};

TEST(HelpWindowTest, ClosesWithEscapeAndCtrlW) {
    const struct {
        const char* Keys;
        Qt::Key Key;
        Qt::KeyboardModifiers Modifiers;
    } cases[] = {{"Escape", Qt::Key_Escape, Qt::NoModifier}, {"Ctrl+W", Qt::Key_W, Qt::ControlModifier}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Keys);
        ShownHelp help;
        ASSERT_TRUE(help.Window.isVisible());
        QTest::keyClick(help.Window.Browser(), c.Key, c.Modifiers);
        EXPECT_FALSE(help.Window.isVisible());
    }
}

TEST(HelpWindowTest, TheTitleNamesThePageShownAndFollowsLinks) {
    ShownHelp help;
    EXPECT_EQ(help.Window.windowTitle(), "Velmora 11.1 Help - File commands");
    help.Window.Browser()->setSource(QUrl("contents.htm"));
    EXPECT_EQ(help.Window.windowTitle(), "Velmora 11.1 Help - Help index");
    EXPECT_EQ(help.Window.CurrentPage(), "contents.htm");
}

TEST(HelpWindowTest, TheSearchBoxListsThePagesThatHoldTheWordsAndTheyOpen) {
    ShownHelp help;
    QTest::keyClicks(help.Window.SearchBox(), "EXTERNAL walls");
    QTest::keyClick(help.Window.SearchBox(), Qt::Key_Return);
    const QString results = help.Window.Browser()->toHtml();
    EXPECT_NE(results.indexOf("extwall.htm"), -1);
    EXPECT_EQ(results.indexOf("print.htm"), -1);
    EXPECT_NE(help.Window.windowTitle().indexOf("EXTERNAL walls"), -1);

    help.Window.Browser()->setSource(QUrl::fromLocalFile(
        QString::fromStdString((std::filesystem::path(VELMORA_HELP_DIR) / "extwall.htm").string())));
    EXPECT_EQ(help.Window.CurrentPage(), "extwall.htm");
}

TEST(HelpSearchTest, FindsPagesByTheirReadableTextOnly) {
    TempDir folder;
    WriteFile(folder.Path / "a.htm", "<html><head><title>Velmora help: Walls</title></head>"
                                     "<body><p>Draw <b>external</b> walls &amp; doors</p>"
                                     "<a href=\"secret.htm\">link</a></body></html>");
    WriteFile(folder.Path / "b.htm", "<html><head><title>Printing</title></head><body>Print at scale"
                                     "</body></html>");
    WriteFile(folder.Path / "notes.txt", "external walls");
    const struct {
        const char* Text;
        std::vector<std::string> Pages;
    } cases[] = {
        {"external", {"a.htm"}},
        {"EXTERNAL WALLS", {"a.htm"}}, // case ignored, every word
        {"walls & doors", {"a.htm"}},  // entities read as the reader sees them
        {"external print", {}},        // every word must be on one page
        {"secret", {}},                // what is in tags is not text
        {"scale", {"b.htm"}},
        {"printing", {"b.htm"}}, // the title counts
        {"   ", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        std::vector<std::string> found;
        for (const HelpPageHit& h : FindHelpPages(folder.Path, c.Text))
            found.push_back(h.File.toStdString());
        EXPECT_EQ(found, c.Pages);
    }
    EXPECT_NE(SearchResultsPage(folder.Path, "<b>none</b>").indexOf("&lt;b&gt;none&lt;/b&gt;"), -1);
    EXPECT_NE(SearchResultsPage(folder.Path, "walls").indexOf(">Walls<"), -1);
}

// Help pressed in a modal dialog: the help window comes up as one of the dialog's own windows (a modal
// dialog blocks input to every other window), and goes back to the frame, still shown, when it closes.
TEST_F(FrameTest, HelpFromAModalDialogStandsBesideItAndStaysAfterIt) {
    Prog.Start();
    bool helpInTheDialog = false, helpShownWhileOpen = false, searchTyped = false;
    ModalWatcher watcher([&](QWidget* modal) {
        auto* form = qobject_cast<DialogForm*>(modal);
        if (!form) return PressEscape(modal);
        QTest::mouseClick(form->ButtonWidget("Help"), Qt::LeftButton);
        HelpWindow* help = Ui.Help();
        if (help) {
            helpInTheDialog = help->parentWidget() == form && help->isWindow();
            helpShownWhileOpen = help->isVisible() && help->CurrentPage() == "file.htm";
            QTest::keyClicks(help->SearchBox(), "walls");
            searchTyped = help->SearchBox()->text() == "walls";
        }
        QTest::mouseClick(form->ButtonWidget("Cancel"), Qt::LeftButton);
    });
    DialogDescription d = TTNewDlg::Make(2, 1);
    EXPECT_EQ(Ui.RunDialog(d), "Cancel");
    ASSERT_NE(Ui.Help(), nullptr);
    EXPECT_TRUE(helpInTheDialog);
    EXPECT_TRUE(helpShownWhileOpen);
    EXPECT_TRUE(searchTyped);
    EXPECT_EQ(Ui.Help()->parentWidget(), &Form);
    EXPECT_TRUE(Ui.Help()->isVisible());
    EXPECT_TRUE(Ui.Help()->isWindow());
}

} // namespace
} // namespace velmora::test
