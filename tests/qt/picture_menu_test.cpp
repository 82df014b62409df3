// "Save as PNG file" and "Save as BitMap..." chosen from the File menu of the real frame, the name typed
// into the dialog and OK clicked with real key and mouse events.
#include "app/program.h"
#include "qt/drawing_widget.h"
#include "qt/main_form.h"
#include "qt/qt_ui.h"
#include "support/test_support.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace velmora {
namespace {

namespace fs = std::filesystem;

class PictureMenu : public ::testing::Test {
protected:
    void SetUp() override {
        fs::copy(VELMORA_HOME_TEMPLATE, Home.Path,
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        State.HomePath = Home.Path;
        Form.Attach(&Prog);
        Form.resize(1000, 700);
        Form.show();
        Prog.Start();
        QElapsedTimer t;
        t.start();
        while (!Form.DrawingWindow() && t.elapsed() < 3000)
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        ASSERT_NE(Form.DrawingWindow(), nullptr);
        QApplication::processEvents();
    }
    void TearDown() override { Form.Attach(nullptr); }

    // Answers the modal windows as a user would: the name dialog gets the name typed and its OK button
    // clicked; a message box is closed with Enter. Runs until the command returns.
    void ChooseFromMenu(const char* handler, const QString& name) {
        QTimer answer;
        answer.setInterval(30);
        QObject::connect(&answer, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal) return;
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                Messages << box->text();
                QTest::keyClick(box, Qt::Key_Enter);
                return;
            }
            auto* edit = modal->findChild<QLineEdit*>();
            if (!edit) return;
            edit->selectAll();
            QTest::keyClicks(edit, name);
            for (QPushButton* b : modal->findChildren<QPushButton*>())
                if (b->text() == "OK") QTest::mouseClick(b, Qt::LeftButton);
        });
        answer.start();
        Form.Action(handler)->trigger();
        answer.stop();
    }

    test::TempDir Home;
    TMainForm Form;
    QtUi Ui{Form, VELMORA_HELP_DIR};
    AppState State;
    Program Prog{State, Ui};
    QStringList Messages;
};

TEST_F(PictureMenu, PngOfTheWindowFromTheFileMenu) {
    ChooseFromMenu("CmPngExecute", "From The Menu");
    ASSERT_EQ(Messages.size(), 1);
    EXPECT_EQ(Messages[0], "Portable Network Graphics file '.PNG' saved in EXPORT subdirectory");
    const QImage saved(QString::fromStdString((Home.Path / "EXPORT" / "From The Menu.PNG").string()));
    ASSERT_FALSE(saved.isNull());
    // Exactly what the window shows: its backing image after the full repaint.
    const QImage shown = Form.DrawingWindow()->Backing().GetImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), shown);
}

TEST_F(PictureMenu, BitmapFromTheFileMenu) {
    ChooseFromMenu("CmBmpExecute", "Bitmap");
    ASSERT_EQ(Messages.size(), 1);
    EXPECT_EQ(Messages[0], "Bitmap file '.BMP' saved in EXPORT subdirectory");
    const QImage saved(QString::fromStdString((Home.Path / "EXPORT" / "Bitmap.BMP").string()));
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.size(), Form.DrawingWindow()->Backing().GetImage().size());
}

} // namespace
} // namespace velmora
