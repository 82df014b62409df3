// The drawing window repaints a small area by painting only the objects that may reach it. Whatever it
// skips, the picture must come out the same: a plan repainted tile by tile equals the plan painted whole.
#include "platform/recording_canvas.h"
#include "qt/backing_image.h"
#include "view/window_fixture.h"

#include <QImage>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace velmora {
namespace {

constexpr Size Client{400, 300};

// A plan round the middle of the window: walls with and without a cavity, an internal wall, texts at every
// alignment and several angles (one taking the anchor of the text before it), fixtures with marked edges,
// a mask, an outline, an arc, circles, dimensions and dotted construction lines, some with wide pens.
class CullingPlan : public ::testing::Test {
protected:
    test::WindowFixture Fx{Client};
    int Cx = 0, Cy = 0; // the middle of the window, world units

    void SetUp() override {
        Fx.Open();
        Cx = (Fx.S.ViewOrgX + Fx.S.ViewExtX / 2) * 5;
        Cy = (Fx.S.ViewOrgY + Fx.S.ViewExtY / 2) * 5;
        Fill();
    }

    void Add(std::unique_ptr<TObj> obj) { Fx.S.DrawingObjects.Append(std::move(obj)); }

    void Wall(int x1, int y1, int x2, int y2, int cavity, int penWidth) {
        auto w = std::make_unique<TExtwallobj>();
        w->View = ViewGround, w->PenWidth = penWidth, w->Colour = Rgb(0, 0, 120);
        w->X1 = Cx + x1, w->Y1 = Cy + y1, w->X2 = Cx + x2, w->Y2 = Cy + y2;
        w->Leaf1 = 102, w->Cavity = cavity, w->Leaf2 = 100;
        const bool level = y1 == y2;
        const auto face = [&](int off, std::int32_t& fx1, std::int32_t& fy1, std::int32_t& fx2,
                              std::int32_t& fy2) {
            fx1 = w->X1 + (level ? 0 : off), fy1 = w->Y1 - (level ? off : 0);
            fx2 = w->X2 + (level ? 0 : off), fy2 = w->Y2 - (level ? off : 0);
        };
        face(102, w->Face1X1, w->Face1Y1, w->Face1X2, w->Face1Y2);
        face(102 + cavity, w->Face2X1, w->Face2Y1, w->Face2X2, w->Face2Y2);
        face(202 + cavity, w->Face3X1, w->Face3Y1, w->Face3X2, w->Face3Y2);
        Add(std::move(w));
    }

    void Text(int x, int y, const std::string& s, int height, int angle, int align, int weight = 400) {
        Add(std::make_unique<TTextobj>(4, ViewGround, 0, 0, Cx + x, Cy + y, s, "DejaVu Sans", height, angle,
                                       align, weight, Rgb(0, 90, 0)));
    }

    void Poly(int kind, std::vector<Point> corners, int penWidth = 1) {
        for (Point& p : corners)
            p = {Cx + p.X, Cy + p.Y};
        auto poly =
            std::make_unique<TPolyobj>(kind, ViewGround, 0, 0, corners, Rgb(230, 200, 120), 0, penWidth);
        if (kind == 6500) poly->MarkedEdges = {0, 2, 100, 100};
        Add(std::move(poly));
    }

    void Fill() {
        Wall(-4000, 3000, 4000, 3000, 50, 1);   // along the top, with a cavity
        Wall(4000, 3000, 4000, -3000, 0, 4);    // down the right, one leaf, a wide pen
        Wall(-4000, -3000, -4000, 3000, 50, 1); // up the left
        Wall(-1500, 20, -1200, 20, 0, 1);       // a stub shorter than its hatch
        auto in = std::make_unique<TInwallobj>();
        in->View = ViewGround, in->Thickness = 100, in->Colour = Rgb(80, 0, 0);
        in->X1 = Cx - 3800, in->Y1 = Cy, in->X2 = Cx + 3800, in->Y2 = Cy;
        in->SecondX1 = Cx - 3800, in->SecondY1 = Cy - 100, in->SecondX2 = Cx + 3800, in->SecondY2 = Cy - 100;
        Add(std::move(in));
        Poly(6000, {{-3000, 1000}, {-1800, 1000}, {-1800, 2200}, {-3000, 2200}});
        Poly(6500, {{1000, 1000}, {2400, 1000}, {2400, 2000}, {1000, 2000}});
        Poly(2000, {{-500, -60}, {500, -60}, {500, 260}, {-500, 260}});
        Poly(3110, {{-3500, -2500}, {3500, -2500}, {3500, -2800}, {-3500, -2800}}, 3);
        Add(std::make_unique<TArcobj>(ViewGround, Cx + 1500, Cy - 500, Cx + 3300, Cy - 2300, Cx + 3300,
                                      Cy - 1400, Cx + 2400, Cy - 500, Rgb(0, 0, 0), 2));
        Add(std::make_unique<TCircleobj>(ViewGround, Cx - 900, Cy - 900, Cx - 300, Cy - 1500,
                                         Rgb(190, 190, 255), 0));
        Add(std::make_unique<TEllipseobj>(5, ViewGround, Cx - 2500, Cy - 1000, Cx - 1000, Cy - 1600,
                                          Rgb(255, 220, 220), 0));
        Add(std::make_unique<TDimensobj>(251, ViewGround, Cx - 3000, Cy - 3400, Cx + 3000, Cy - 3400,
                                         Cx - 3000, Cy - 3250, Cx + 3000, Cy - 3250, 900, Rgb(0, 0, 0)));
        Add(std::make_unique<TLineobj>(11, ViewGround, 0, 0, Cx - 4500, Cy + 2500, Cx + 4500, Cy - 2500,
                                       Rgb(128, 128, 128), 1, 2));
        Add(std::make_unique<TLineobj>(1, ViewGround, 0, 0, Cx - 200, Cy + 2700, Cx + 600, Cy + 2700,
                                       Rgb(200, 0, 0), 6));
        // Texts: long ones crossing many tiles, turned ones, and one that keeps the anchor before it.
        Text(-3800, 2600, "KITCHEN AND DINING ROOM", 14, 0, 5, 700);
        Text(-3600, -2000, "Existing boundary wall", 10, 900, 2);
        Text(1000, 2600, "see detail A", 12, 0, 6);
        Text(0, -1800, "GF FFL +0.150", 10, 450, 3);
        Text(-3000, -200, "100mm insulation", 9, 1, 1); // inherits the anchor of the text before it
        Text(2000, -2000, "BED 1", 16, 2700, 1);
        Text(2800, 400, "Note: all dimensions in mm", 8, 0, 4);
        Text(3000, -1000, "STUDY", 10, 1800, 6);
    }

    void Paint(BackingImage& picture, const Rect& area) {
        picture.Repaint(area, [this](Canvas& c, const Rect& clip) { Fx.Window->OnPaint(c, clip); });
    }

    QImage Whole() {
        BackingImage picture(Client, Fx.S.BackgroundColour);
        Paint(picture, {0, 0, Client.Width, Client.Height});
        return picture.Snapshot();
    }

    // Tiles of an odd size, so that their edges fall everywhere across the objects.
    QImage Tiled(int w, int h) {
        BackingImage picture(Client, Fx.S.BackgroundColour);
        for (int y = 0; y < Client.Height; y += h)
            for (int x = 0; x < Client.Width; x += w)
                Paint(picture, {x, y, x + w, y + h});
        return picture.Snapshot();
    }
};

TEST_F(CullingPlan, TileByTileRepaintsGiveThePixelsOfTheWholeRepaint) {
    for (const int mode : {0, 10, 20}) {
        Fx.S.WallDisplayMode = mode;
        const QImage whole = Whole();
        ASSERT_FALSE(whole.isNull());
        EXPECT_EQ(Tiled(37, 29), whole) << "display mode " << mode;
        EXPECT_EQ(Tiled(11, 13), whole) << "display mode " << mode;
    }
}

TEST_F(CullingPlan, ASmallRepaintPaintsOnlyWhatMeetsIt) {
    // The window's paint handler on a canvas that records: a full repaint against a 40 x 40 pixel corner
    // of the window, which only the ends of a few objects reach.
    const auto primitives = [this](std::optional<Rect> clip) {
        RecordingCanvas dc;
        Fx.Window->OnPaint(dc, clip);
        return dc.Count(CanvasOp::LineTo) + dc.Count(CanvasOp::Polygon) + dc.Count(CanvasOp::TextOut) +
               dc.Count(CanvasOp::Ellipse) + dc.Count(CanvasOp::Arc);
    };
    const int whole = primitives(Rect{0, 0, Client.Width, Client.Height});
    const int corner = primitives(Rect{0, 0, 40, 40});
    EXPECT_GT(corner, 0);
    EXPECT_LT(corner * 4, whole);
}

} // namespace
} // namespace velmora
