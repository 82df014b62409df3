// The main frame on screen (offscreen platform) with the real Program behind it, on a copy of the default
// home folder, as velmora runs it; and a watcher that answers the modal boxes a command opens the way a
// user leaving them would.
#pragma once

#include "app/drawing_open.h"
#include "app/program.h"
#include "qt/main_form.h"
#include "qt/qt_ui.h"
#include "support/test_support.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace velmora::test {

inline bool WaitFor(const std::function<bool()>& done, int ms = 3000) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy(VELMORA_HOME_TEMPLATE, Home.Path,
                              std::filesystem::copy_options::recursive |
                                  std::filesystem::copy_options::overwrite_existing);
        State.HomePath = Home.Path;
        Form.Attach(&Prog);
        Form.resize(1000, 700);
        Form.show();
    }
    void TearDown() override { Form.Attach(nullptr); }

    void StartAndWaitForTheDrawing() {
        Prog.Start();
        Form.ApplyGuide(Prog.GuidePosition(), Prog.GuideColour(), Prog.TextColour());
        ASSERT_TRUE(WaitFor([this] { return Form.DrawingWindow() != nullptr; })) << "no drawing opened";
        QApplication::processEvents();
    }
    // The start-up with nothing in the recent list: the empty frame, once the start-up's timer has run
    // (what it says on the way is left with Escape).
    void StartWithoutADrawing();

    TempDir Home;
    TMainForm Form;
    QtUi Ui{Form, VELMORA_HELP_DIR};
    AppState State;
    Program Prog{State, Ui};
};

// Leaves a modal box as a user pressing Escape does; a box that Escape does not close is then closed by its
// window's close button.
inline void PressEscape(QWidget* modal) {
    QTest::keyClick(modal, Qt::Key_Escape);
    if (modal == QApplication::activeModalWidget()) modal->close();
}

// While it lives, every modal box that opens is answered by `answer` (Escape unless told), and its title and
// text are kept.
class ModalWatcher {
public:
    explicit ModalWatcher(std::function<void(QWidget*)> answer = PressEscape) : Answer(std::move(answer)) {
        QObject::connect(&Timer, &QTimer::timeout, [this] { Leave(); });
        Timer.start(10);
    }
    std::vector<std::string> Seen; // "title: text" of each box, in order

private:
    void Leave() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == Answering) return;
        std::string seen = modal->windowTitle().toStdString();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) seen += ": " + box->text().toStdString();
        Seen.push_back(seen);
        Answering = modal;
        Answer(modal);
        Answering = nullptr;
    }
    std::function<void(QWidget*)> Answer;
    QWidget* Answering = nullptr;
    QTimer Timer;
};

inline void FrameTest::StartWithoutADrawing() {
    WriteFile(Home.Path / "CFG" / "LASTFILES.CFG", "0 0 0 0 ");
    ModalWatcher boxes;
    Prog.Start();
    ASSERT_TRUE(WaitFor([this] { return Form.Panel(0) == NoDrawingGuide; }));
    ASSERT_EQ(Form.DrawingWindow(), nullptr);
}

} // namespace velmora::test
