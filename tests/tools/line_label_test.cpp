// Line + Text: where a label goes for each kind of line, and the command end to end through the drawing
// window (drag and keys), with the question's text carried by LTEXT.CFG.
#include "app/drawing_store.h"
#include "tools/line_label.h"
#include "tools/line_tool.h"
#include "view/window_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace velmora {
namespace {

using test::WindowFixture;

TEST(LineLabelPlace, EachKindOfLine) {
    struct Case {
        const char* Name;
        Point A, B;
        int Side;
        Point Anchor;
        int Direction, Escapement, Align;
    } cases[] = {
        {"leftward, above", {3000, 1000}, {1000, 1000}, 1, {2000, 1050}, 2700, 0, 6},
        {"rightward, below", {1001, 1000}, {2000, 1000}, 2, {1500, 950}, 900, 0, 4},
        {"downward, right", {1000, 3000}, {1000, 1000}, 2, {1050, 2000}, 1800, 2700, 4},
        {"upward, left", {1000, 1000}, {1000, 3000}, 1, {950, 2000}, 0, 2700, 6},
        {"up and right, above", {1000, 1000}, {2000, 2000}, 1, {1465, 1535}, 450, 3150, 6},
        {"down and right, below", {1000, 2000}, {2000, 1000}, 2, {1465, 1465}, 1350, 450, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const LineLabelPlace p = PlaceLineLabel(c.A, c.B, c.Side, 50);
        EXPECT_EQ(p.Anchor, c.Anchor);
        EXPECT_EQ(p.Direction, c.Direction);
        EXPECT_EQ(p.Escapement, c.Escapement);
        EXPECT_EQ(p.Align, c.Align);
    }
}

// World (x, y) is pixel (x / 5, 1000 - y / 5).
struct LabelFixture : WindowFixture {
    LabelFixture() : WindowFixture({1000, 1000}) {
        std::filesystem::create_directories(Home.Path / "ACT");
        Open();
        UnitFrame(0, 0);
        CmLinetextExecute(S, Ui);
    }
    static Point Pixel(int x, int y) { return {x / 5, 1000 - y / 5}; }
    void Drag(Point a, Point b) {
        Window->OnMouseDown(MouseButton::Left, Pixel(a.X, a.Y));
        Window->OnMouseMove(Pixel(b.X, b.Y), true);
        Window->OnMouseUp(MouseButton::Left, Pixel(b.X, b.Y));
    }
    void Answer(const std::vector<std::string>& words) {
        Ui.Queue(ScriptAnswer::ForDialog("text on a line", words));
    }
    std::vector<TTextobj> SavedLabels() {
        AppState back;
        back.HomePath = S.HomePath;
        back.DrawingName = S.DrawingName;
        back.SheetWidth = S.SheetWidth, back.SheetHeight = S.SheetHeight;
        back.SetUnitsFromMetricFlag();
        EXPECT_TRUE(LoadDrawing(back, ModeWorking).Ok());
        std::vector<TTextobj> out;
        for (int i = FloorRecordCount; i < back.DrawingObjects.ObjectCount(); ++i)
            if (auto* t = dynamic_cast<TTextobj*>(back.DrawingObjects.At(i))) out.push_back(*t);
        return out;
    }
};

// A dragged line is labelled along its middle (the dimension size 8 at 5 world units a logical unit makes a
// label 40 logical units high, a quarter of which in world units lifts it 50 off the line); the pick tool
// follows. A second line with an empty text takes the previous label again.
TEST(LineText, DraggedLinesAreLabelled) {
    LabelFixture f;
    EXPECT_EQ(f.Ui.Panel(2), "1, LINE solid+txt");
    f.Answer({"text for the line=fence", "OK"});
    f.Drag({3000, 1000}, {1000, 1000});
    EXPECT_EQ(f.Tool().Mode, ModePick);
    EXPECT_EQ(f.ReadCfg("LTEXT.CFG"), "1 5\r\nfence");
    CmLinetextExecute(f.S, f.Ui);
    f.Answer({"text at right or below line", "OK"});
    f.Drag({1000, 3000}, {1000, 2000});
    const auto labels = f.SavedLabels();
    ASSERT_EQ(labels.size(), 2u);
    EXPECT_EQ(labels[0].Kind, 35);
    EXPECT_EQ(labels[0].Text(), "fence");
    EXPECT_EQ((Point{labels[0].X1, labels[0].Y1}), (Point{2000, 1050}));
    EXPECT_EQ(labels[0].X2, 2700);
    EXPECT_EQ(labels[0].Align, 6);
    EXPECT_EQ(labels[0].Height, 8);
    // The empty answer kept the file, side and all: the second label is "fence" above / left again.
    EXPECT_EQ(labels[1].Text(), "fence");
    EXPECT_EQ((Point{labels[1].X1, labels[1].Y1}), (Point{950, 2500}));
    EXPECT_EQ(labels[1].Angle, 2700);
}

// The label field takes 20 letters; a cancelled question labels nothing and returns to the pick tool.
TEST(LineText, LongTextIsCutToTheFieldAndCancelLabelsNothing) {
    LabelFixture f;
    f.Answer({"text for the line=abcdefghijklmnopqrstuvwxyz", "OK"});
    f.Drag({1000, 1000}, {3000, 1000});
    ASSERT_EQ(f.SavedLabels().size(), 1u);
    EXPECT_EQ(f.SavedLabels()[0].Text(), "abcdefghijklmnopqrst");
    CmLinetextExecute(f.S, f.Ui);
    f.Answer({"Cancel"});
    f.Drag({1000, 2000}, {3000, 2000});
    EXPECT_EQ(f.SavedLabels().size(), 1u);
    EXPECT_EQ(f.Tool().Mode, ModePick);
    EXPECT_EQ(f.Tool().Y1, 125000);
}

// A line drawn from the keyboard is labelled too; and Refresh labels only the line its tool made, never an
// older line that happens to be last in the list.
TEST(LineText, KeyedLineIsLabelledAndRefreshNeedsALineOfItsOwn) {
    LabelFixture f;
    f.Ui.SetCursorPos(LabelFixture::Pixel(1000, 1000));
    f.Window->OnKeyDown(KeyEvent{Key::Enter});
    f.Ui.Queue(ScriptAnswer::ForInput("2000"));
    f.Answer({"text for the line=kerb", "OK"});
    f.Window->OnKeyDown(KeyEvent{Key::Right});
    ASSERT_EQ(f.SavedLabels().size(), 1u);
    EXPECT_EQ((Point{f.SavedLabels()[0].X1, f.SavedLabels()[0].Y1}), (Point{2000, 1050}));
    CmLinetextExecute(f.S, f.Ui);
    f.Tool().Refresh(f.Picture, f.Ui.ClientSize());
    EXPECT_EQ(f.S.DrawingObjects.ObjectCount(), FloorRecordCount + 2);
}

} // namespace
} // namespace velmora
