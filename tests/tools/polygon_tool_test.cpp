// The polygon tool through the drawing window: corners by Enter and by arrow distances, the close key,
// closing by coming back to the first corner, the fill colour chooser, the element numbers, and the limits
// of an outline (at most 19 corners, no polygon of one corner, nothing after a store).
#include "tools/polygon_tool.h"
#include "tools/shape_commands.h"
#include "tools/shape_fixture.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using test::ShapeFixture;

struct PolygonFixture : ShapeFixture {
    explicit PolygonFixture(int metricFlag = 1, int view = ViewGround) : ShapeFixture(metricFlag, view) {
        Ui.Queue(ScriptAnswer::ForColour(255));
        CmPolygonExecute(S, Ui);
    }
    TPolyobjtool* Poly() { return dynamic_cast<TPolyobjtool*>(S.CurrentTool.get()); }
    // Enter on the first corner, then an arrow and its distance for each further corner.
    void Outline(Point first, const std::vector<std::pair<velmora::Key, int>>& sides) {
        At(first.X, first.Y);
        Key(velmora::Key::Enter);
        for (const auto& [k, d] : sides)
            Arrow(k, d);
    }
};

std::vector<Point> Vertices(const TPolyobj& p) {
    std::vector<Point> v;
    for (int i = 0; i < p.VertexCount; ++i)
        v.push_back({p.Xs[i], p.Ys[i]});
    return v;
}

TEST(PolygonTool, FiveCornersByKeyboardAndTheCloseKey) {
    PolygonFixture f;
    f.S.NextElementNo = 7;
    EXPECT_EQ(
        f.Ui.Panel(0),
        "GUIDE: Press ENTER key on each point ( use arrow keys or 'A' key and move cursor) of the POLYGON");
    EXPECT_EQ(f.Ui.Panel(2), "1,Polygon");
    f.Outline({5000, 5000}, {{Key::Right, 3000}, {Key::Up, 2000}, {Key::Left, 1000}});
    f.At(6000, 8000);
    f.Key(Key::Enter); // a corner at the cursor
    EXPECT_EQ(f.Ui.Panel(0),
              "Press + (ADD) or F key when all corners marked. Distance from START POINT h 1000: "
              "v 3000. point 5");
    ASSERT_EQ(f.Count(), FloorRecordCount); // nothing stored before the outline is closed
    f.Char('f');
    const auto polys = f.Saved<TPolyobj>();
    ASSERT_EQ(polys.size(), 1u);
    const TPolyobj& p = polys[0];
    EXPECT_EQ(p.Kind, 6720);
    EXPECT_EQ(p.View, ViewGround);
    EXPECT_EQ(Vertices(p),
              (std::vector<Point>{
                  {5000, 5000}, {8000, 5000}, {8000, 7000}, {7000, 7000}, {6000, 8000}, {5000, 5000}}));
    EXPECT_EQ(p.Highlight, 100008);
    EXPECT_EQ(p.Aux, 100008);
    EXPECT_EQ(p.FillColour, 255u); // the colour chosen at the start
    EXPECT_EQ(p.Colour, 0u);       // the outline is black whatever the pen colour
    EXPECT_EQ(p.MarkedEdges, (std::array<int32_t, 4>{100, 100, 100, 100}));
    EXPECT_EQ(f.S.NextElementNo, 8);
    EXPECT_EQ(f.ReadCfg("FILLCLR.CFG"), "255\r\n");
    EXPECT_EQ(f.Tool().Mode, ModePick);
    EXPECT_EQ(f.Ui.Panel(0), "GUIDE; Pick Tool");
}

// Coming back exactly onto the first corner stores the outline at once, with the first corner repeated.
TEST(PolygonTool, ReturningToTheFirstCornerClosesTheOutline) {
    PolygonFixture f;
    f.Outline({5000, 5000}, {{Key::Right, 3000}, {Key::Up, 2000}, {Key::Left, 3000}});
    EXPECT_EQ(f.Count(), FloorRecordCount);
    f.Arrow(Key::Down, 2000);
    const auto polys = f.Saved<TPolyobj>();
    ASSERT_EQ(polys.size(), 1u);
    EXPECT_EQ(Vertices(polys[0]),
              (std::vector<Point>{{5000, 5000}, {8000, 5000}, {8000, 7000}, {5000, 7000}, {5000, 5000}}));
    EXPECT_EQ(f.Tool().Mode, ModePick);
}

// The element number's base is the floor's; on the first floor every corner lies at z 150.
TEST(PolygonTool, ElementNumberAndHeightFollowTheFloor) {
    struct Case {
        int View, Base, Z;
    };
    for (const Case c : {Case{ViewGround, 100000, 0}, Case{121, 110000, 150}, Case{122, 120000, 0},
                         Case{124, 140000, 0}, Case{ViewSite, 0, 0}}) {
        SCOPED_TRACE(c.View);
        PolygonFixture f(1, c.View);
        f.S.NextElementNo = 40;
        f.Outline({5000, 5000}, {{Key::Right, 1000}, {Key::Up, 1000}});
        f.Key(Key::Add);
        const auto polys = f.Saved<TPolyobj>();
        ASSERT_EQ(polys.size(), 1u);
        EXPECT_EQ(polys[0].View, c.View);
        EXPECT_EQ(polys[0].Highlight, c.Base + 41);
        for (int i = 0; i < polys[0].VertexCount; ++i)
            EXPECT_EQ(polys[0].Zs[i], c.Z);
    }
}

// A cancelled chooser keeps the fill colour the file already holds.
TEST(PolygonTool, CancelledColourChooserKeepsThePreviousFill) {
    ShapeFixture f;
    f.Ui.Queue(ScriptAnswer::Cancelled(AnswerKind::Colour));
    CmPolygonExecute(f.S, f.Ui);
    EXPECT_EQ(f.Tool().Mode, ModePolygon);
    f.At(5000, 5000);
    f.Key(Key::Enter);
    f.Arrow(Key::Right, 1000);
    f.Arrow(Key::Up, 1000);
    f.Key(Key::Add);
    const auto polys = f.Saved<TPolyobj>();
    ASSERT_EQ(polys.size(), 1u);
    EXPECT_EQ(polys[0].FillColour, 12632256u);
    EXPECT_EQ(f.ReadCfg("FILLCLR.CFG"), "12632256\r\n");
}

// A polygon object holds 19 corners: the 20th is refused with a message and changes nothing; the close key
// then stores the 19, the outline closing itself.
TEST(PolygonTool, TheTwentiethCornerIsRefused) {
    PolygonFixture f;
    f.At(1000, 1000);
    f.Key(Key::Enter);
    for (int i = 1; i < 19; ++i)
        f.Arrow(i % 2 ? Key::Right : Key::Up, 100);
    ASSERT_EQ(f.Poly()->CornerCount, 19);
    const std::string guide = f.Ui.Panel(0);
    f.Arrow(Key::Right, 100);
    EXPECT_EQ(f.Ui.LastMessage(), "A polygon can have at most 19 corners - press + (ADD) or F to finish it");
    EXPECT_EQ(f.Poly()->CornerCount, 19);
    EXPECT_EQ(f.Ui.Panel(0), guide);
    f.At(9000, 9000);
    f.Key(Key::Enter);
    EXPECT_EQ(f.Poly()->CornerCount, 19);
    EXPECT_EQ(f.Count(), FloorRecordCount);
    f.Char('F');
    const auto polys = f.Saved<TPolyobj>();
    ASSERT_EQ(polys.size(), 1u);
    EXPECT_EQ(polys[0].VertexCount, 19);
    EXPECT_EQ(Vertices(polys[0]).back(), (Point{1900, 1900}));
}

// The tool on its own, with the window's canvas mapped, so it can be kept past a store.
struct LoosePolygon {
    ShapeFixture F;
    TPolyobjtool T{F.S, F.Ui};
    LoosePolygon() {
        T.Mode = ModePolygon;
        T.Window = F.Window.get();
        F.Window->ApplyMapping(F.Picture);
    }
    void Press(velmora::Key k, int amount = 0, Point at = {5000, 5000}) {
        Point cursor = F.Pixel(at.X, at.Y);
        T.KeyStep(F.Picture, F.Ui.ClientSize(), KeyEvent{k}, cursor, amount);
    }
};

// The close key with no corner does nothing; with one corner it stores no polygon and says why; neither
// uses up an element number.
TEST(PolygonTool, NoPolygonOfNoneOrOneCorner) {
    LoosePolygon p;
    p.F.S.NextElementNo = 3;
    p.Press(Key::Add);
    EXPECT_EQ(p.T.CornerCount, 0);
    EXPECT_FALSE(p.T.Stored);
    EXPECT_EQ(p.F.Ui.MessageCount(), 0);

    p.Press(Key::Enter);
    p.Press(Key::Add);
    EXPECT_EQ(p.F.Ui.LastMessage(),
              "A polygon needs at least two corners - mark the next corner, or press Escape");
    EXPECT_TRUE(p.T.Refused);
    EXPECT_EQ(p.T.CornerCount, 1);
    EXPECT_EQ(p.F.Count(), FloorRecordCount);
    EXPECT_EQ(p.F.S.NextElementNo, 3);
    // The outline goes on from its one corner.
    p.Press(Key::Right, 1000);
    p.Press(Key::Add);
    ASSERT_EQ(p.F.Saved<TPolyobj>().size(), 1u);
    EXPECT_EQ(p.F.S.NextElementNo, 4);
}

// Once the outline is stored, neither the close key nor another corner adds to it or to the drawing.
TEST(PolygonTool, NothingAfterAStore) {
    for (const bool byClosing : {true, false}) {
        SCOPED_TRACE(byClosing ? "stored by the close key" : "stored by coming back to the first corner");
        LoosePolygon p;
        p.Press(Key::Enter);
        p.Press(Key::Right, 1000);
        p.Press(Key::Up, 1000);
        if (byClosing) {
            p.Press(Key::Add);
        } else {
            p.Press(Key::Left, 1000);
            p.Press(Key::Down, 1000);
        }
        ASSERT_TRUE(p.T.Stored);
        const int corners = p.T.CornerCount;
        p.Press(Key::Add);
        p.Press(Key::Enter, 0, {9000, 9000});
        p.Press(Key::Right, 500);
        EXPECT_EQ(p.T.CornerCount, corners);
        EXPECT_EQ(p.F.Count(), FloorRecordCount + 1);
        EXPECT_EQ(p.F.Saved<TPolyobj>().size(), 1u);
    }
}

// An outline given up (Escape) uses no element number and stores nothing.
TEST(PolygonTool, AnOutlineGivenUpUsesNoElementNumber) {
    PolygonFixture f;
    f.S.NextElementNo = 12;
    f.Outline({5000, 5000}, {{Key::Right, 1000}, {Key::Up, 1000}});
    f.Key(Key::Escape);
    EXPECT_EQ(f.Tool().Mode, ModePick);
    EXPECT_EQ(f.S.NextElementNo, 12);
    EXPECT_EQ(f.Count(), FloorRecordCount);
}

// The status line's imperial forms, by which of the two distances has an eighth of an inch.
TEST(PolygonTool, ImperialGuideTextForms) {
    struct Case {
        int H, V;
        const char* Text;
    };
    const std::string head = "Press + (ADD) or F key when all corners marked. Distance from START POINT ";
    for (const Case c : {Case{24 * 30, 24 * 14, "h 2' 6: v 1' 2, point 3"},
                         Case{24 * 30 + 3, 24 * 14, "h 2' 6 1/8'' x 1' 2'' point 3"},
                         Case{24 * 30, 24 * 14 + 12, "h 2' 6'' x 1' 2 1/2'', point 3"},
                         Case{24 * 30 + 9, 24 * 14 + 6, "h 2' 6 3/8'' x 1' 2 1/4'', point 3"}}) {
        SCOPED_TRACE(c.Text);
        ShapeFixture f(0);
        TPolyobjtool t(f.S, f.Ui);
        t.Angle = 2400, t.GuideY = 2400;
        t.X2 = 2400 + c.H, t.Y2 = 2400 - c.V;
        t.Scrolled = 3;
        EXPECT_EQ(t.GuideText(), head + c.Text);
    }
}

} // namespace
} // namespace velmora
