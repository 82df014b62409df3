// Pixel checks of the QPainter canvas: the drawing code was written for a GDI-like surface with y growing
// upward, rubber bands that vanish when drawn twice, and upright text; these tests look at the pixels.
#include "qt/picture_export.h"
#include "qt/qpainter_canvas.h"
#include "support/test_support.h"

#include <QColor>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace velmora {
namespace {

constexpr Colorref White = Rgb(255, 255, 255);
constexpr Colorref Black = Rgb(0, 0, 0);
constexpr int Size = 100;

// Logical (x, y) lands on pixel (x * scale, Size - y * scale): y grows upward from the bottom edge.
Mapping YUp(int pixelsPerLogical = 1) {
    Mapping m;
    m.WindowExtX = Size;
    m.WindowExtY = Size;
    m.ViewportExtX = Size * pixelsPerLogical;
    m.ViewportExtY = -Size * pixelsPerLogical;
    m.ViewportOrgY = Size;
    return m;
}

// The picture-space mapping of a drawing window at a zoom of `logicalPerPixel`.
Mapping Zoomed(int logicalPerPixel) {
    Mapping m = YUp();
    m.WindowExtX = Size * logicalPerPixel;
    m.WindowExtY = Size * logicalPerPixel;
    return m;
}

struct Box {
    int Left = INT_MAX, Top = INT_MAX, Right = INT_MIN, Bottom = INT_MIN; // inclusive pixel bounds
    bool Empty() const { return Left > Right; }
};

bool IsInk(const QImage& image, int x, int y, Colorref background = White) {
    return image.pixel(x, y) != QColor(RedOf(background), GreenOf(background), BlueOf(background)).rgb();
}

Box InkBox(const QImage& image, Colorref background = White) {
    Box b;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (IsInk(image, x, y, background)) {
                b.Left = std::min(b.Left, x);
                b.Right = std::max(b.Right, x);
                b.Top = std::min(b.Top, y);
                b.Bottom = std::max(b.Bottom, y);
            }
    return b;
}

std::vector<QPoint> InkPixels(const QImage& image) {
    std::vector<QPoint> ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (IsInk(image, x, y)) ink.emplace_back(x, y);
    return ink;
}

int InkInRect(const QImage& image, const QRect& r) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (IsInk(image, x, y)) ++n;
    return n;
}

QImage Draw(const Mapping& m, const std::function<void(Canvas&)>& paint) {
    return RenderPicture(Size, Size, White, [&](Canvas& c) {
        c.SetMapping(m);
        paint(c);
    });
}

TEST(MapLogicalToDevice, FollowsTheIntegerWindowViewportFormula) {
    // A 200 x 100 pixel window at 5 logical units per pixel whose bottom-left corner shows logical (100, 50).
    Mapping window;
    window.WindowOrgX = 100;
    window.WindowOrgY = 50;
    window.WindowExtX = 1000;
    window.WindowExtY = 500;
    window.ViewportOrgY = 100;
    window.ViewportExtX = 200;
    window.ViewportExtY = -100;
    Mapping degenerate; // a zero window extent must not divide by zero
    degenerate.WindowExtX = 0;
    degenerate.WindowExtY = 0;
    struct Case {
        Mapping M;
        int X, Y;
        QPoint Expected;
    } cases[] = {
        {window, 100, 50, {0, 100}},   // the origin sits on the bottom edge
        {window, 600, 300, {100, 50}}, // the middle of the window
        {window, 1099, 549, {199, 1}}, // truncation, not rounding: 999 * 200 / 1000 = 199.8 -> 199
        {window, 99, 49, {0, 100}},    // truncation toward zero on the negative side
        {degenerate, 7, -3, {7, -3}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MapLogicalToDevice(c.M, c.X, c.Y), c.Expected) << c.X << "," << c.Y;
}

TEST(QPainterCanvasLines, LandOnTheMappedPixelsWithYUpward) {
    struct Case {
        const char* Name;
        Mapping M;
        Point From, To;
        std::vector<QPoint> Expected; // generated below from a start pixel, a step and a count
        QPoint Start, Step;
        int Count;
    } cases[] = {
        {"horizontal 1:1", YUp(), {10, 20}, {30, 20}, {}, {10, 80}, {1, 0}, 20},
        {"vertical upward 1:1", YUp(), {40, 10}, {40, 15}, {}, {40, 90}, {0, -1}, 5},
        {"horizontal leftward 1:1", YUp(), {30, 20}, {10, 20}, {}, {30, 80}, {-1, 0}, 20},
        {"diagonal 1:1", YUp(), {10, 10}, {14, 14}, {}, {10, 90}, {1, -1}, 4},
        {"horizontal at 5 logical per pixel", Zoomed(5), {0, 5}, {250, 5}, {}, {0, 99}, {1, 0}, 50},
    };
    for (Case& c : cases) {
        for (int i = 0; i < c.Count; ++i)
            c.Expected.push_back(c.Start + c.Step * i);
        std::sort(c.Expected.begin(), c.Expected.end(),
                  [](QPoint a, QPoint b) { return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x(); });
        const QImage image = Draw(c.M, [&](Canvas& canvas) {
            canvas.MoveTo(c.From.X, c.From.Y);
            canvas.LineTo(c.To.X, c.To.Y);
        });
        EXPECT_EQ(InkPixels(image), c.Expected) << c.Name;
    }
}

TEST(QPainterCanvasLines, PenWidthIsLogicalScaledByXAndNeverBelowOnePixel) {
    struct Case {
        int Width, PixelsPerLogical, ExpectedRows;
    } cases[] = {{0, 2, 1}, {1, 1, 1}, {3, 2, 6}, {2, 1, 2}};
    for (const Case& c : cases) {
        const QImage image = Draw(YUp(c.PixelsPerLogical), [&](Canvas& canvas) {
            canvas.SetPen({PenStyle::Solid, c.Width, Black});
            canvas.MoveTo(5, 25);
            canvas.LineTo(40, 25);
        });
        int rows = 0;
        for (int y = 0; y < Size; ++y)
            rows += IsInk(image, 20 * c.PixelsPerLogical, y) ? 1 : 0;
        EXPECT_EQ(rows, c.ExpectedRows) << "width " << c.Width << " at " << c.PixelsPerLogical;
    }
}

TEST(QPainterCanvasLines, StylesBreakTheLineAndNullDrawsNothing) {
    struct Case {
        PenStyle Style;
        int FirstDash, FirstGap; // run lengths along the line, in pixels
    } cases[] = {
        {PenStyle::Solid, 80, 0}, {PenStyle::Dot, 3, 3}, {PenStyle::Dash, 18, 6}, {PenStyle::DashDot, 9, 6}};
    for (const Case& c : cases) {
        const QImage image = Draw(YUp(), [&](Canvas& canvas) {
            canvas.SetPen({c.Style, 0, Black});
            canvas.MoveTo(10, 50);
            canvas.LineTo(90, 50);
        });
        int x = 10, dash = 0, gap = 0;
        while (x < 90 && IsInk(image, x, 50))
            ++dash, ++x;
        while (x < 90 && !IsInk(image, x, 50))
            ++gap, ++x;
        EXPECT_EQ(dash, c.FirstDash) << static_cast<int>(c.Style);
        EXPECT_EQ(gap, c.FirstGap) << static_cast<int>(c.Style);
    }
    const QImage none = Draw(YUp(), [](Canvas& canvas) {
        canvas.SetPen({PenStyle::Null, 1, Black});
        canvas.SetBrush({true, Black});
        canvas.MoveTo(10, 50);
        canvas.LineTo(90, 50);
        canvas.Rectangle(10, 10, 20, 20);
    });
    EXPECT_TRUE(InkBox(none).Empty());
}

TEST(QPainterCanvasLines, ClosedOutlinesCoverEveryCornerOnceUnderXor) {
    // Logical rectangle (10, 10)-(30, 20) is pixels x 10..30, y 80..90. A pixel drawn twice under Xor would
    // vanish, a pixel left out would be a notch in a wall corner.
    const std::vector<Point> corners = {{10, 10}, {30, 10}, {30, 20}, {10, 20}};
    std::vector<QPoint> border;
    for (int y = 80; y <= 90; ++y)
        for (int x = 10; x <= 30; ++x)
            if (y == 80 || y == 90 || x == 10 || x == 30) border.emplace_back(x, y);
    const std::function<void(Canvas&)> outlines[] = {
        [&](Canvas& c) {
            c.MoveTo(10, 10);
            for (std::size_t i = 1; i <= corners.size(); ++i)
                c.LineTo(corners[i % corners.size()].X, corners[i % corners.size()].Y);
        },
        [&](Canvas& c) {
            std::vector<Point> closed = corners;
            closed.push_back(corners.front());
            c.Polyline(closed);
        },
        [&](Canvas& c) {
            c.SetBrush({true, 0});
            c.Polygon(corners);
        },
    };
    int which = 0;
    for (const auto& outline : outlines) {
        const QImage image = Draw(YUp(), [&](Canvas& c) {
            c.SetRasterOp(RasterOp::Xor);
            c.SetPen({PenStyle::Solid, 0, Rgb(255, 255, 0)});
            outline(c);
        });
        EXPECT_EQ(InkPixels(image), border) << "outline " << which++;
    }
}

// A busy picture, so that a raster operation that loses information shows.
QImage Background() {
    QImage image = MakeCanvasImage(Size, Size, White);
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x)
            image.setPixel(x, y, qRgb(x * 2, y * 2, (x * y) & 0xff));
    return image;
}

void DrawEveryPrimitive(Canvas& c) {
    c.SetMapping(YUp());
    c.SetPen({PenStyle::Dot, 0, Rgb(200, 30, 90)});
    c.SetBrush({true, 0});
    c.MoveTo(5, 5);
    c.LineTo(95, 60);
    c.LineTo(20, 90);
    c.Rectangle(10, 80, 60, 40);
    c.Ellipse(30, 30, 70, 60);
    c.Arc(20, 20, 80, 80, 80, 50, 20, 50);
    c.RoundRect(15, 15, 85, 45, 10, 10);
    c.SetPen({PenStyle::Solid, 3, Rgb(10, 250, 20)});
    c.SetBrush({false, Rgb(90, 90, 255)});
    c.Polygon({{50, 5}, {95, 95}, {5, 95}});
    c.Polyline({{0, 0}, {50, 99}, {99, 0}});
    c.SetFont({"Arial", 20, 300, 700, false});
    c.SetTextColour(Rgb(255, 128, 0));
    c.SetBackgroundColour(Rgb(0, 64, 0));
    c.SetBackgroundOpaque(true);
    c.TextOut(30, 50, "Xor 42");
}

TEST(QPainterCanvasRasterOps, DrawingTwiceRestoresEveryPixel) {
    for (RasterOp op : {RasterOp::Xor, RasterOp::NotXor, RasterOp::Not}) {
        const QImage before = Background();
        QImage image = before;
        const auto pass = [op](Canvas& c) {
            c.SetRasterOp(op);
            DrawEveryPrimitive(c);
        };
        PaintOnImage(image, pass);
        EXPECT_NE(image, before) << static_cast<int>(op) << ": the first pass must show";
        PaintOnImage(image, pass);
        EXPECT_EQ(image, before) << static_cast<int>(op) << ": the second pass must erase";
    }
}

TEST(QPainterCanvasRasterOps, CombineThePenWithTheScreen) {
    struct Case {
        RasterOp Op;
        QRgb Expected; // a red pen on white
    } cases[] = {{RasterOp::Copy, qRgb(255, 0, 0)},
                 {RasterOp::Xor, qRgb(0, 255, 255)},
                 {RasterOp::NotXor, qRgb(255, 0, 0)},
                 {RasterOp::Not, qRgb(0, 0, 0)}};
    for (const Case& c : cases) {
        const QImage image = Draw(YUp(), [&](Canvas& canvas) {
            canvas.SetRasterOp(c.Op);
            canvas.SetPen({PenStyle::Solid, 0, Rgb(255, 0, 0)});
            canvas.MoveTo(10, 50);
            canvas.LineTo(20, 50);
        });
        EXPECT_EQ(image.pixel(15, 50), c.Expected) << static_cast<int>(c.Op);
    }
}

TEST(QPainterCanvasRasterOps, FillDeviceRectIgnoresMappingAndOperation) {
    const QImage image = Draw(Zoomed(5), [](Canvas& c) {
        c.SetRasterOp(RasterOp::Xor);
        c.FillDeviceRect({0, 0, 10, 4}, Rgb(255, 0, 0));
    });
    const Box ink = InkBox(image);
    EXPECT_EQ(ink.Left, 0);
    EXPECT_EQ(ink.Top, 0);
    EXPECT_EQ(ink.Right, 9);
    EXPECT_EQ(ink.Bottom, 3);
    EXPECT_EQ(image.pixel(5, 2), qRgb(255, 0, 0));
}

// "L" shows both mirrorings: its stem is on the left and its foot at the bottom.
void ExpectUprightL(const QImage& image, const Box& ink) {
    const auto row = [&](int y) { return InkInRect(image, QRect(ink.Left, y, ink.Right - ink.Left + 1, 1)); };
    const auto column = [&](int x) {
        return InkInRect(image, QRect(x, ink.Top, 1, ink.Bottom - ink.Top + 1));
    };
    EXPECT_GT(row(ink.Bottom), row(ink.Top)) << "the foot of the L must be at the bottom";
    EXPECT_GT(column(ink.Left), column(ink.Right)) << "the stem of the L must be on the left";
}

TEST(QPainterCanvasText, StaysUprightAndSitsOnItsAnchor) {
    // Anchor at logical (50, 50) = pixel (50, 50).
    struct Case {
        TextHAlign H;
        TextVAlign V;
        bool (*Fits)(const Box& ink);
    } cases[] = {
        {TextHAlign::Left, TextVAlign::Baseline, [](const Box& b) { return b.Left >= 50 && b.Bottom < 50; }},
        {TextHAlign::Left, TextVAlign::Top, [](const Box& b) { return b.Left >= 50 && b.Top >= 50; }},
        {TextHAlign::Right, TextVAlign::Bottom, [](const Box& b) { return b.Right < 50 && b.Bottom < 50; }},
        {TextHAlign::Centre, TextVAlign::Baseline,
         [](const Box& b) {
             return b.Left < 50 && b.Right > 50 && std::abs((b.Left + b.Right) / 2 - 50) <= 2;
         }},
    };
    for (const Case& c : cases) {
        const QImage image = Draw(YUp(), [&](Canvas& canvas) {
            canvas.SetFont({"Arial", 30, 0, 700, false});
            canvas.SetTextAlign(c.H, c.V);
            canvas.TextOut(50, 50, "L");
        });
        const Box ink = InkBox(image);
        ASSERT_FALSE(ink.Empty());
        EXPECT_TRUE(c.Fits(ink)) << static_cast<int>(c.H) << "/" << static_cast<int>(c.V) << " ink "
                                 << ink.Left << "," << ink.Top << "-" << ink.Right << "," << ink.Bottom;
        ExpectUprightL(image, ink);
    }
}

TEST(QPainterCanvasText, EscapementTurnsCounterClockwise) {
    const QImage image = Draw(YUp(), [](Canvas& c) {
        c.SetFont({"Arial", 30, 900, 700, false});
        c.SetTextAlign(TextHAlign::Left, TextVAlign::Baseline);
        c.TextOut(50, 20, "LLL");
    });
    const Box ink = InkBox(image);
    ASSERT_FALSE(ink.Empty());
    // Reading upward from the anchor at pixel (50, 80), the letters stand on the anchor's left.
    EXPECT_LE(ink.Right, 50);
    EXPECT_LT(ink.Bottom, 80);
    EXPECT_GT(ink.Bottom - ink.Top, ink.Right - ink.Left) << "three letters run upward";
}

TEST(QPainterCanvasText, FontHeightIsTheLogicalCellHeight) {
    constexpr QRgb Cell = qRgb(0, 0, 200);
    struct Case {
        int Height;
        Mapping M;
        int CellPixels, LogicalPerPixel;
    } cases[] = {{30, YUp(), 30, 1}, {15, YUp(2), 30, 1}, {50, Zoomed(5), 10, 5}};
    for (const Case& c : cases) {
        TextMetrics metrics;
        // A blank text with an opaque background paints exactly its cell.
        const QImage image = Draw(c.M, [&](Canvas& canvas) {
            canvas.SetFont({"Arial", c.Height, 0, 400, false});
            canvas.SetBackgroundColour(Rgb(0, 0, 200));
            canvas.SetBackgroundOpaque(true);
            canvas.TextOut(0, c.Height * 2, "  ");
            metrics = canvas.GetTextMetrics();
        });
        int rows = 0;
        for (int y = 0; y < Size; ++y)
            rows += image.pixel(1, y) == Cell ? 1 : 0;
        // Fonts come in whole pixel sizes, so the cell may fall a pixel short, never over.
        EXPECT_LE(rows, c.CellPixels) << c.Height;
        EXPECT_GE(rows, c.CellPixels - 1) << c.Height;
        EXPECT_NEAR(metrics.Height, c.Height, c.LogicalPerPixel) << c.Height;
        EXPECT_EQ(metrics.Height, metrics.Ascent + metrics.Descent);
        EXPECT_GT(metrics.AveCharWidth, 0);
    }
}

TEST(QPainterCanvasText, OpaqueBackgroundFillsTheCell) {
    constexpr QRgb Green = qRgb(0, 200, 0);
    for (bool opaque : {true, false}) {
        int cell = 0;
        const QImage image = Draw(YUp(), [&](Canvas& c) {
            c.SetFont({"Arial", 20, 0, 400, false});
            c.SetTextAlign(TextHAlign::Left, TextVAlign::Top);
            c.SetBackgroundColour(Rgb(0, 200, 0));
            c.SetBackgroundOpaque(opaque);
            c.TextOut(10, 90, " i ");
            cell = c.GetTextMetrics().Height;
        });
        int green = 0;
        for (int y = 0; y < Size; ++y)
            for (int x = 0; x < Size; ++x)
                green += image.pixel(x, y) == Green ? 1 : 0;
        if (opaque) {
            // The cell hangs from the anchor at pixel (10, 10); under the leading blank it is all background.
            EXPECT_EQ(image.pixel(10, 10), Green);
            EXPECT_EQ(image.pixel(10, 10 + cell - 1), Green);
            EXPECT_EQ(image.pixel(10, 10 + cell), qRgb(255, 255, 255));
            EXPECT_EQ(image.pixel(9, 10), qRgb(255, 255, 255));
        } else {
            EXPECT_EQ(green, 0);
        }
    }
}

TEST(QPainterCanvasShapes, ArcRunsCounterClockwiseFromStartRayToEndRay) {
    // Circle of radius 40 round logical (50, 50); quadrants on the device, upper right = logical x > 50, y
    // > 50.
    const QRect upperRight(55, 5, 40, 40), upperLeft(5, 5, 40, 40), lowerLeft(5, 55, 40, 40),
        lowerRight(55, 55, 40, 40);
    struct Case {
        Point Start, End;
        bool UR, UL, LL, LR;
    } cases[] = {
        {{90, 50}, {50, 90}, true, false, false, false}, // east to north: one quarter
        {{50, 90}, {90, 50}, false, true, true, true},   // north to east: three quarters
        {{10, 50}, {90, 50}, false, false, true, true},  // west to east: the lower half
        {{90, 50}, {95, 50}, true, true, true, true},    // the same ray twice: the whole circle
    };
    for (const Case& c : cases) {
        const QImage image = Draw(YUp(), [&](Canvas& canvas) {
            canvas.Arc(10, 10, 90, 90, c.Start.X, c.Start.Y, c.End.X, c.End.Y);
        });
        const std::string name = std::to_string(c.Start.X) + "," + std::to_string(c.Start.Y) + " to " +
                                 std::to_string(c.End.X) + "," + std::to_string(c.End.Y);
        EXPECT_EQ(InkInRect(image, upperRight) > 0, c.UR) << name;
        EXPECT_EQ(InkInRect(image, upperLeft) > 0, c.UL) << name;
        EXPECT_EQ(InkInRect(image, lowerLeft) > 0, c.LL) << name;
        EXPECT_EQ(InkInRect(image, lowerRight) > 0, c.LR) << name;
    }
}

TEST(QPainterCanvasShapes, ArcOfAnEllipseEndsOnTheEndRay) {
    // Ellipse 80 x 40 round (50, 50); the 45 degree ray meets it at about (67.9, 67.9), pixel (68, 32).
    const QImage image = Draw(YUp(), [](Canvas& c) { c.Arc(10, 30, 90, 70, 90, 50, 70, 70); });
    EXPECT_GT(InkInRect(image, QRect(65, 29, 6, 6)), 0) << "the arc reaches the ray";
    EXPECT_EQ(InkInRect(image, QRect(30, 25, 31, 5)), 0) << "the arc stops at the ray";
}

TEST(QPainterCanvasShapes, PolygonFillsByAlternateRule) {
    // A five-pointed star: its centre pentagon is crossed twice, so alternate filling leaves it empty.
    const std::vector<Point> star = {{50, 95}, {76, 15}, {8, 65}, {92, 65}, {24, 15}};
    const QImage filled = Draw(YUp(), [&](Canvas& c) {
        c.SetBrush({false, Black});
        c.Polygon(star);
    });
    EXPECT_FALSE(IsInk(filled, 50, 50)) << "centre of the star";
    EXPECT_TRUE(IsInk(filled, 50, 15)) << "inside the top point";
    const QImage hollow = Draw(YUp(), [&](Canvas& c) {
        c.SetBrush({true, Black});
        c.Polygon(star);
    });
    EXPECT_FALSE(IsInk(hollow, 50, 15)) << "a hollow brush leaves the inside alone";
    EXPECT_TRUE(IsInk(hollow, 50, 5)) << "but draws the outline";
}

TEST(QPainterCanvasShapes, BoxesLeaveOutTheirRightAndBottomEdge) {
    // Logical box (10, 30)-(20, 20) under y upward is device x 10..20, y 70..80; the shapes
    // cover 10..19, 70..79.
    for (int shape = 0; shape < 3; ++shape) {
        const QImage image = Draw(YUp(), [&](Canvas& c) {
            c.SetBrush({false, Black});
            if (shape == 0) c.Rectangle(10, 30, 20, 20);
            if (shape == 1) c.Ellipse(10, 30, 20, 20);
            if (shape == 2) c.RoundRect(10, 30, 20, 20, 4, 4);
        });
        const Box ink = InkBox(image);
        EXPECT_EQ(ink.Left, 10) << shape;
        EXPECT_EQ(ink.Top, 70) << shape;
        EXPECT_EQ(ink.Right, 19) << shape;
        EXPECT_EQ(ink.Bottom, 79) << shape;
    }
}

TEST(TextToQString, ReadsUtf8AndFallsBackToLatin1) {
    EXPECT_EQ(TextToQString("Kitchen \xC3\xA9"), QString::fromUtf8("Kitchen \xC3\xA9"));
    EXPECT_EQ(TextToQString("Caf\xE9"), QString::fromUtf8("Caf\xC3\xA9"));
    EXPECT_EQ(TextToQString(""), QString());
}

TEST(PictureExport, SavesWhatWasDrawnAsPng) {
    test::TempDir dir;
    const QImage picture = Draw(YUp(), [](Canvas& c) {
        c.SetPen({PenStyle::Solid, 2, Rgb(0, 0, 255)});
        c.Rectangle(10, 90, 90, 10);
    });
    std::string error;
    const std::filesystem::path path = dir.Path / "view.png";
    ASSERT_TRUE(SavePicturePng(picture, path, error)) << error;
    QImage loaded(QString::fromStdString(path.string()));
    ASSERT_FALSE(loaded.isNull());
    EXPECT_EQ(loaded.convertToFormat(QImage::Format_RGB32), picture);
}

TEST(PictureExport, RefusesWhatItCannotSave) {
    test::TempDir dir;
    std::string error;
    EXPECT_FALSE(SavePicturePng(QImage(), dir.Path / "empty.png", error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(std::filesystem::exists(dir.Path / "empty.png"));
    error.clear();
    EXPECT_FALSE(SavePicturePng(MakeCanvasImage(4, 4, White), dir.Path / "no such folder" / "x.png", error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(MakeCanvasImage(0, 10, White).isNull());
}

} // namespace
} // namespace velmora
