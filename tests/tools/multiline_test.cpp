// Multilines through the drawing window: the count asked, three Enters, and the set as the file holds it.
#include "app/drawing_store.h"
#include "tools/line_tool.h"
#include "tools/multiline.h"
#include "view/window_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace velmora {
namespace {

using test::WindowFixture;

// World (x, y) is pixel (x / 5, 1000 - y / 5).
struct MultiFixture : WindowFixture {
    MultiFixture() : WindowFixture({1000, 1000}) {
        std::filesystem::create_directories(Home.Path / "ACT");
        Open();
        UnitFrame(0, 0);
    }
    void EnterAt(int x, int y) {
        Ui.SetCursorPos({x / 5, 1000 - y / 5});
        Window->OnKeyDown(KeyEvent{Key::Enter});
    }
    std::vector<std::pair<Point, Point>> SavedLines() {
        AppState back;
        back.HomePath = S.HomePath;
        back.DrawingName = S.DrawingName;
        back.SheetWidth = S.SheetWidth, back.SheetHeight = S.SheetHeight;
        back.SetUnitsFromMetricFlag();
        EXPECT_TRUE(LoadDrawing(back, ModeWorking).Ok());
        std::vector<std::pair<Point, Point>> out;
        for (int i = FloorRecordCount; i < back.DrawingObjects.ObjectCount(); ++i)
            if (auto* l = dynamic_cast<TLineobj*>(back.DrawingObjects.At(i)))
                out.push_back({{l->X1, l->Y1}, {l->X2, l->Y2}});
        return out;
    }
};

// The step is the distance to the last line's start divided by the count less one, truncated; the last
// line runs exactly through the point marked.
TEST(Multilines, EquallySpacedSetEndsOnThePointMarked) {
    struct Case {
        int Count;
        std::vector<int> Ys;
    } cases[] = {{5, {1000, 1250, 1500, 1750, 2000}}, {4, {1000, 1333, 1666, 2000}}, {2, {1000, 2000}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Count);
        MultiFixture f;
        f.Ui.Queue(ScriptAnswer::ForInput(std::to_string(c.Count)));
        CmMultilinesExecute(f.S, f.Ui);
        EXPECT_EQ(f.Ui.Panel(0), "GUIDE: Press Enter on first line start, then press Enter on line end, now "
                                 "press Enter on starting point of final line");
        f.EnterAt(1000, 1000);
        f.EnterAt(4000, 1000);
        f.EnterAt(1000, 2000);
        std::vector<std::pair<Point, Point>> want;
        for (int y : c.Ys)
            want.push_back({{1000, y}, {4000, y}});
        EXPECT_EQ(f.SavedLines(), want);
        EXPECT_EQ(f.Tool().Mode, ModePick);
    }
}

// A count that is no number keeps the tool waiting; 1 (no spacing to divide) and counts out of 2 to 100 end
// at the pick tool with nothing drawn.
TEST(Multilines, CountsRefused) {
    struct Case {
        const char* Typed;
        const char* Message;
        bool Waits;
    } cases[] = {
        {"abc", "input must be a valid number", true},
        {"1", "multilines need at least 2 lines", false},
        {"101", "", false},
        {"-3", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Typed);
        MultiFixture f;
        f.Ui.Queue(ScriptAnswer::ForInput(c.Typed));
        CmMultilinesExecute(f.S, f.Ui);
        EXPECT_EQ(f.Ui.LastMessage(), c.Message);
        EXPECT_EQ(f.Tool().Step == StepMultiline, c.Waits);
        EXPECT_TRUE(f.SavedLines().empty());
    }
}

} // namespace
} // namespace velmora
