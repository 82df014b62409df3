// A program on a fresh copy of the installed home folder, with a drawing of our own opened as the start-up
// timer opens the first recent drawing; shared by the tests of views, floor areas and titles.
#pragma once

#include "app/drawing_open.h"
#include "app/drawing_store.h"
#include "app/program.h"
#include "dialogs/dialog.h"
#include "model/drawing_objects.h"
#include "platform/scripted_ui.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace velmora::test {

// An external wall from (x1, y1) to (x2, y2) with a 275 mm cavity wall's leaves and no inner lines worth
// drawing: what the views and areas need of a wall is its outer line.
inline std::unique_ptr<TExtwallobj> Wall(int view, int x1, int y1, int x2, int y2) {
    auto w = std::make_unique<TExtwallobj>();
    w->View = view;
    w->X1 = x1, w->Y1 = y1, w->X2 = x2, w->Y2 = y2;
    w->Leaf1 = 110, w->Cavity = 55, w->Leaf2 = 110;
    w->WallCodes = {100, 18, 100, 20};
    return w;
}

// The outline of a rectangle drawn clockwise from its top-left corner.
inline std::vector<std::unique_ptr<TObj>> Rectangle(int view, int left, int bottom, int width, int height) {
    const int right = left + width, top = bottom + height;
    std::vector<std::unique_ptr<TObj>> walls;
    walls.push_back(Wall(view, left, top, right, top));
    walls.push_back(Wall(view, right, top, right, bottom));
    walls.push_back(Wall(view, right, bottom, left, bottom));
    walls.push_back(Wall(view, left, bottom, left, top));
    return walls;
}

inline std::unique_ptr<TObj> Line(int view, int x1, int y1, int x2, int y2) {
    return std::make_unique<TLineobj>(1, view, 0, 0, x1, y1, x2, y2, 0);
}

// The scripted Ui, keeping a copy of each dialog as it was closed, so a test can read what it showed.
class CapturingUi : public ScriptedUi {
public:
    using ScriptedUi::ScriptedUi;
    std::string RunDialog(DialogDescription& dialog) override {
        const std::string button = ScriptedUi::RunDialog(dialog);
        Dialogs.push_back(dialog);
        return button;
    }
    std::vector<DialogDescription> Dialogs;
};

class ViewSession : public ::testing::Test {
protected:
    ViewSession() {
        std::filesystem::copy(VELMORA_HOME_TEMPLATE, Home.Path, std::filesystem::copy_options::recursive);
        State.HomePath = Home.Path;
        Ui.SetClientSize({1280, 800});
    }
    ~ViewSession() override {
        EXPECT_EQ(Ui.Failure(), "") << Transcript.str();
        EXPECT_TRUE(Ui.PendingAnswers().empty()) << "answers left unused\n" << Transcript.str();
    }

    // DWGS/<name>.BMS: the six floor records, then the objects, on the metric sheet of the home folder.
    void MakeDrawing(const std::string& name, std::vector<std::unique_ptr<TObj>> objects) {
        AppState s;
        s.HomePath = Home.Path;
        s.DrawingName = name;
        TakeUnitsOfDrawing(s, "0 0 0 0 1 1");
        for (int i = 0; i < 6; ++i)
            s.DrawingObjects.Append(std::make_unique<TInfoobj>(32000 + i, 120 + i, 0));
        for (auto& obj : objects)
            s.DrawingObjects.Append(std::move(obj));
        s.NextElementNo = 100;
        ASSERT_TRUE(SaveDrawing(s, ModeWorking).Ok());
    }
    void CopyFixture(const std::string& fixture, const std::string& name) {
        std::filesystem::copy_file(Fixture(fixture), DrawingPath(name));
    }
    void Open(const std::string& name) {
        ASSERT_EQ(OpenDrawingByName(Prog, name), OpenOutcome::Opened) << Transcript.str();
        ASSERT_EQ(State.DrawingReady, 2);
        // The window fits the sheet to its proportions: the file written on that sheet is the one to compare.
        ASSERT_TRUE(SaveDrawing(State, ModeWorking).Ok());
    }
    std::filesystem::path DrawingPath(const std::string& name) const {
        return Home.Path / "DWGS" / (name + ".BMS");
    }
    std::string Working() const { return ReadFile(DrawingPath(State.DrawingName)); }
    std::string Setting(const std::string& file) const { return ReadFile(Home.Path / "CFG" / file); }
    void Run(const char* handler) { ASSERT_TRUE(Prog.RunCommand(handler)) << handler; }
    void Reply(MessageReply reply) { Ui.Queue(ScriptAnswer::ForMessage(reply)); }
    void Answer(const std::string& caption, const std::vector<std::string>& words) {
        Ui.Queue(ScriptAnswer::ForDialog(caption, words));
    }

    // The objects of a view, in list order.
    std::vector<const TObj*> InView(int view, int kind = 0) const {
        std::vector<const TObj*> found;
        for (const auto& obj : State.DrawingObjects)
            if (obj->View == view && (kind == 0 || obj->Kind == kind)) found.push_back(obj.get());
        return found;
    }

    // The list in memory is exactly the drawing its working file holds.
    ::testing::AssertionResult ListIsTheFile() const {
        TFlist onDisk;
        DrawingHeader header;
        if (ReadDrawingFile(DrawingPath(State.DrawingName), State.Shift(), onDisk, header).Status !=
            FileStatus::Ok)
            return ::testing::AssertionFailure() << "the working file cannot be read";
        std::string a, b, error;
        FormatDrawing(State.DrawingObjects, State.Header(), State.Shift(), a, error);
        FormatDrawing(onDisk, header, State.Shift(), b, error);
        if (a != b) return ::testing::AssertionFailure() << "list:\n" << a << "\nfile:\n" << b;
        return ::testing::AssertionSuccess();
    }

    TempDir Home;
    AppState State;
    std::ostringstream Transcript;
    CapturingUi Ui{Transcript};
    Program Prog{State, Ui};
};

} // namespace velmora::test
