// The frame as a desktop user reads it: drawn tool bar icons (the theme's for the generic actions), greyed
// buttons that say why, "..." on items that ask first, F1 named in the Help menu, and the title's mark of
// unsaved changes.
#include "app/menu_table.h"
#include "qt/frame_fixture.h"
#include "qt/tool_icons.h"

#include <QAction>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace velmora {
namespace {

using test::FrameTest;
using test::ModalWatcher;

int InkPixels(const QImage& image) {
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0) ++ink;
    return ink;
}

// Every button has a drawing of its own, drawn again (not scaled up) for a 2x screen.
TEST(ToolIconsTest, EveryButtonHasItsOwnDrawingSharpAtOneAndTwoTimes) {
    for (const ToolButton& b : ToolBarTable()) {
        SCOPED_TRACE(std::string(b.Icon));
        ASSERT_TRUE(HasOwnIcon(b.Icon));
        const QIcon own(OwnIconPath(b.Icon));
        const QImage one = own.pixmap(QSize(24, 24), 1.0).toImage();
        const QImage two = own.pixmap(QSize(24, 24), 2.0).toImage();
        EXPECT_EQ(one.size(), QSize(24, 24));
        EXPECT_EQ(two.size(), QSize(48, 48));
        // A drawing with lines in it, neither empty nor a filled square.
        EXPECT_GT(InkPixels(one), 24);
        EXPECT_LT(InkPixels(one), 24 * 24);
        // Drawn again at 2x from the lines, not a copy of the 24 pixels: more ink, up to four times as much
        // (a line that blurs over two pixels at 1x covers fewer at 2x).
        EXPECT_GT(InkPixels(two), 2 * InkPixels(one));
        EXPECT_LE(InkPixels(two), 4 * InkPixels(one) + 48);
    }
    EXPECT_FALSE(HasOwnIcon("no such icon"));
    EXPECT_FALSE(ToolIcon("no such icon").isNull()); // still a button
}

// The generic actions ask the desktop theme by its freedesktop names; where the theme has no such icon (the
// offscreen platform has no theme at all) they show Velmora's own drawing. The other items have no icon.
TEST(ToolIconsTest, GenericActionsAskTheDesktopThemeWithTheirOwnAsFallback) {
    const struct {
        const char* Handler;
        const char* Theme;
        const char* Own;
    } cases[] = {
        {"CmFilenewExecute", "document-new", "new"}, {"CmFileopenExecute", "document-open", "open"},
        {"CmSaveExecute", "document-save", "save"},  {"CmPrintExecute", "document-print", "print"},
        {"CmUndoExecute", "edit-undo", "undo"},      {"CmRedoExecute", "edit-redo", "redo"},
        {"CmIndexExecute", "help-contents", "help"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Handler);
        EXPECT_EQ(ThemeIconName(c.Handler), c.Theme);
        ASSERT_TRUE(HasOwnIcon(c.Own));
        if (!QIcon::hasThemeIcon(c.Theme)) {
            EXPECT_EQ(MenuIcon(c.Handler).pixmap(24, 24).toImage(),
                      QIcon(OwnIconPath(c.Own)).pixmap(24, 24).toImage());
        }
    }
    EXPECT_EQ(ThemeIconName("redo"), "edit-redo"); // the tool bar's undo and redo buttons ask the same
    EXPECT_TRUE(MenuIcon("CmLineExecute").isNull());
}

TEST_F(FrameTest, AGreyedButtonsTipSaysWhy) {
    Prog.Start();
    for (const ToolButton& b : ToolBarTable()) {
        SCOPED_TRACE(std::string(b.Handler));
        QAction* a = nullptr;
        for (QAction* candidate : Form.Actions(std::string(b.Handler)))
            if (Form.ToolBar()->actions().contains(candidate)) a = candidate;
        ASSERT_NE(a, nullptr);
        const QString hint = QString::fromUtf8(b.Hint.data(), static_cast<qsizetype>(b.Hint.size()));
        EXPECT_EQ(a->toolTip(), a->isEnabled() ? hint : hint + " (not available in this version)");
    }
    Ui.SetMenuEnabled("CmUndoExecute", false);
    EXPECT_TRUE(Form.ToolBar()->actions()[0]->toolTip().endsWith("(not available in this version)"));
    Ui.SetMenuEnabled("CmUndoExecute", true);
    EXPECT_EQ(Form.ToolBar()->actions()[0]->toolTip(), "Undo icon: take back the last action");
}

TEST_F(FrameTest, ItemsThatAskFirstEndInDotsAndTheStandardKeysShow) {
    const struct {
        const char* Handler;
        const char* Text;
    } cases[] = {
        {"CmFilenewExecute", "New..."},
        {"CmFileopenExecute", "Open..."},
        {"CmSaveasExecute", "Save As..."},
        {"CmPrintExecute", "Print..."},
        {"CmSaveExecute", "Save"},
        {"CmZoomupExecute", "Zoom Up..."},
        {"ScalePercentage1Click", "Scale Drawing on Screen..."},
        {"CmGuideLineExecute", "Guide  Line Details..."},
        {"CmExitExecute", "Exit"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Form.Action(c.Handler)->text(), c.Text) << c.Handler;
    EXPECT_EQ(Form.Action("CmSaveasExecute")->shortcut(), QKeySequence("Ctrl+Shift+S"));
    EXPECT_EQ(Form.Action("CmExitExecute")->shortcut(), QKeySequence("Ctrl+Q"));
    // The Parts' own keys stay: Ctrl+Z is Zoom Up, not undo.
    EXPECT_EQ(Form.Action("CmZoomupExecute")->shortcut(), QKeySequence("Ctrl+Z"));

    // F1 is named in the Help menu, before About, and takes nothing from the drawing window.
    QMenu* help = Form.menuBar()->actions().back()->menu();
    const QList<QAction*> items = help->actions();
    QAction* context = Form.Action("CmContextExecute");
    ASSERT_NE(context, nullptr);
    EXPECT_EQ(items.indexOf(context), items.size() - 3); // then the separator, then About
    EXPECT_EQ(context->text(), "Help on this Step\tF1");
    EXPECT_TRUE(context->shortcut().isEmpty());
    EXPECT_FALSE(Form.Action("CmFilenewExecute")->icon().isNull());
}

TEST_F(FrameTest, TheTitleMarksUnsavedChangesUntilTheyAreSaved) {
    StartAndWaitForTheDrawing();
    EXPECT_FALSE(Form.isWindowModified());
    {
        ModalWatcher boxes; // the titles dialog, left with Escape; asking for titles counts as a change
        Form.RunCommand("CmTitle2DExecute");
    }
    EXPECT_TRUE(Form.isWindowModified());
    Form.RunCommand("CmSaveExecute");
    EXPECT_FALSE(Form.isWindowModified());
}

} // namespace
} // namespace velmora
