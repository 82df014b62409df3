// The canvas keeps the fonts it resolved and the labels it shaped, and the drawing window shares them between
// its repaints. Whatever was drawn before, a text must come out as a fresh canvas draws it.
#include "qt/picture_export.h"
#include "qt/qpainter_canvas.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace velmora {
namespace {

constexpr int Side = 120;

Mapping Scaled(int logicalPerPixel) {
    Mapping m;
    m.WindowExtX = Side * logicalPerPixel;
    m.WindowExtY = Side * logicalPerPixel;
    m.ViewportExtX = Side;
    m.ViewportExtY = -Side;
    m.ViewportOrgY = Side;
    return m;
}

void Label(Canvas& c, const Mapping& m, const Font& f, const std::string& text) {
    c.SetMapping(m);
    c.SetFont(f);
    c.SetBackgroundOpaque(true);
    c.SetBackgroundColour(Rgb(255, 255, 0));
    c.SetTextAlign(TextHAlign::Centre, TextVAlign::Baseline);
    c.MoveTo(0, 0);
    c.TextOut(m.WindowExtX / 2, m.WindowExtY / 2, text);
}

// The second label drawn with a cache the first one filled, against the second label on a fresh canvas.
std::pair<QImage, QImage> SecondLabel(const Mapping& m1, const Font& f1, const Mapping& m2, const Font& f2,
                                      const std::string& text2) {
    QPainterFontCache shared;
    QImage cached = MakeCanvasImage(Side, Side, Rgb(255, 255, 255));
    {
        QPainter p(&cached);
        QPainterCanvas(p, &shared).TextOut(0, 0, ""); // a canvas that comes and goes, as repaints do
        {
            QPainterCanvas first(p, &shared);
            Label(first, m1, f1, "WIDE LABEL 123");
        }
        QPainterCanvas second(p, &shared);
        second.FillDeviceRect({0, 0, Side, Side}, Rgb(255, 255, 255));
        Label(second, m2, f2, text2);
    }
    const QImage fresh =
        RenderPicture(Side, Side, Rgb(255, 255, 255), [&](Canvas& c) { Label(c, m2, f2, text2); });
    return {cached, fresh};
}

TEST(CanvasFontCache, ATextDrawsAsOnAFreshCanvasWhateverWasDrawnBefore) {
    Font base;
    base.FaceName = "DejaVu Sans";
    base.Height = 60;
    const auto with = [&](const std::function<void(Font&)>& change) {
        Font f = base;
        change(f);
        return f;
    };
    const struct {
        const char* What;
        Mapping M2;
        Font F2;
        std::string Text2;
    } cases[] = {
        {"the same font and label", Scaled(4), base, "WIDE LABEL 123"},
        {"another height", Scaled(4), with([](Font& f) { f.Height = 120; }), "WIDE LABEL 123"},
        {"bold", Scaled(4), with([](Font& f) { f.Weight = 700; }), "WIDE LABEL 123"},
        {"italic", Scaled(4), with([](Font& f) { f.Italic = true; }), "WIDE LABEL 123"},
        {"another face", Scaled(4), with([](Font& f) { f.FaceName = "DejaVu Serif"; }), "WIDE LABEL 123"},
        {"another zoom", Scaled(2), base, "WIDE LABEL 123"},
        {"turned", Scaled(4), with([](Font& f) { f.Escapement = 900; }), "WIDE LABEL 123"},
        {"another label", Scaled(4), base, "ii"},
    };
    for (const auto& c : cases) {
        const auto [cached, fresh] = SecondLabel(Scaled(4), base, c.M2, c.F2, c.Text2);
        EXPECT_EQ(cached, fresh) << c.What;
    }
}

} // namespace
} // namespace velmora
