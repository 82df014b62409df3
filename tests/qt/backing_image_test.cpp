// The drawing window's picture and its keys: tools draw into the backing image between repaints with a
// canvas of their own, and the keys reach the core under the names the core gives them.
#include "qt/backing_image.h"
#include "qt/key_mapping.h"

#include <QColor>

#include <gtest/gtest.h>

namespace velmora {
namespace {

constexpr Colorref Paper = Rgb(250, 250, 240);

void DrawPlan(Canvas& c, const Rect&) {
    c.SetPen(Pen{PenStyle::Solid, 1, Rgb(0, 0, 0)});
    c.MoveTo(10, 50);
    c.LineTo(190, 50);
}

TEST(BackingImage, ARepaintErasesToTheBackgroundOnlyInsideItsArea) {
    BackingImage picture({200, 100}, Paper);
    picture.Repaint({0, 0, 200, 100}, DrawPlan);
    EXPECT_EQ(picture.GetImage().pixelColor(100, 50), QColor(Qt::black));
    EXPECT_EQ(picture.GetImage().pixelColor(100, 10), QColor(250, 250, 240));

    // Ink the tools left outside the area stays; inside it, the paint handler's picture replaces it.
    picture.GetCanvas()->FillDeviceRect({0, 0, 200, 100}, Rgb(255, 0, 0));
    picture.Repaint({0, 0, 100, 100}, DrawPlan);
    EXPECT_EQ(picture.GetImage().pixelColor(50, 10), QColor(250, 250, 240));
    EXPECT_EQ(picture.GetImage().pixelColor(50, 50), QColor(Qt::black));
    EXPECT_EQ(picture.GetImage().pixelColor(150, 10), QColor(Qt::red));
}

// On a screen at 2x scale the picture has twice the pixels each way, drawn on that finer grid (a
// hairline is one device pixel, a dotted band erases itself), while everything told in window pixels
// (its size, its repaint areas, the picture exported) stays as at 1x.
TEST(BackingImage, AtTwiceTheScaleTheImageHasTheDevicePixelsAndPicturesKeepTheWindowsSize) {
    BackingImage picture({200, 100}, Paper);
    picture.SetPixelRatio(2);
    EXPECT_EQ(picture.GetSize(), (Size{200, 100}));
    EXPECT_EQ(picture.GetImage().size(), QSize(400, 200));
    picture.Repaint({0, 0, 200, 100}, DrawPlan);
    const QImage& image = picture.GetImage();
    EXPECT_EQ(image.pixelColor(200, 100), QColor(Qt::black)); // window pixel (100, 50)
    EXPECT_EQ(image.pixelColor(200, 101), QColor(250, 250, 240)) << "a hairline is one device pixel";
    EXPECT_EQ(image.pixelColor(10, 100), QColor(250, 250, 240));

    const QImage clean = picture.Snapshot();
    Canvas& tool = *picture.GetCanvas();
    for (int pass = 0; pass < 2; ++pass) {
        tool.SetRasterOp(RasterOp::Xor);
        tool.SetPen(Pen{PenStyle::Dot, 0, Rgb(255, 255, 255)});
        tool.Rectangle(20, 20, 150, 80);
    }
    EXPECT_EQ(picture.GetImage(), clean);

    const QImage exported = picture.ClientPicture(DrawPlan);
    EXPECT_EQ(exported.size(), QSize(200, 100));
    EXPECT_EQ(exported.pixelColor(100, 50), QColor(Qt::black));
}

TEST(BackingImage, ARubberBandDrawnTwiceAroundARepaintLeavesNothing) {
    BackingImage picture({200, 100}, Paper);
    picture.Repaint({0, 0, 200, 100}, DrawPlan);
    const QImage clean = picture.Snapshot();

    Canvas& tool = *picture.GetCanvas();
    Mapping yUp;
    yUp.ViewportOrgY = 100;
    yUp.ViewportExtY = -1;
    tool.SetMapping(yUp);
    tool.SetPen(Pen{PenStyle::Dot, 1, Rgb(0, 0, 255)});
    tool.SetRasterOp(RasterOp::Xor);
    tool.MoveTo(20, 20);
    tool.LineTo(180, 80);
    EXPECT_NE(picture.Snapshot(), clean);

    // A repaint elsewhere runs on a canvas of its own: the tool's mapping, pen and Xor survive it.
    picture.Repaint({0, 0, 10, 10}, [](Canvas& c, const Rect& r) {
        c.SetRasterOp(RasterOp::Copy);
        c.SetPen(Pen{PenStyle::Solid, 5, Rgb(0, 255, 0)});
        DrawPlan(c, r);
    });
    EXPECT_EQ(tool.GetMapping(), yUp);
    tool.MoveTo(20, 20);
    tool.LineTo(180, 80);
    EXPECT_EQ(picture.Snapshot(), clean);
}

TEST(BackingImage, AResizeStartsAFreshPictureOfTheBackground) {
    BackingImage picture({0, 0}, Paper);
    EXPECT_EQ(picture.GetCanvas(), nullptr);
    picture.Repaint({0, 0, 10, 10}, DrawPlan); // nothing to paint on: no harm
    picture.Resize({64, 32});
    ASSERT_NE(picture.GetCanvas(), nullptr);
    EXPECT_EQ(picture.GetSize(), (Size{64, 32}));
    EXPECT_EQ(picture.GetImage().format(), QImage::Format_RGB32); // Xor needs it
    EXPECT_EQ(picture.GetImage().pixelColor(63, 31), QColor(250, 250, 240));
}

TEST(KeyMapping, QtKeysReachTheCoreByTheirNames) {
    const struct {
        int QtKey;
        Qt::KeyboardModifiers Mods;
        QString Text;
        std::optional<std::string> Name;
        std::optional<char> Typed;
    } cases[] = {
        {Qt::Key_Return, Qt::NoModifier, "\r", "Enter", '\r'},
        {Qt::Key_Enter, Qt::KeypadModifier, "\r", "Enter", '\r'},
        {Qt::Key_Escape, Qt::NoModifier, "\x1b", "Escape", '\x1b'},
        {Qt::Key_Right, Qt::NoModifier, "", "Right", std::nullopt},
        {Qt::Key_F1, Qt::NoModifier, "", "F1", std::nullopt},
        {Qt::Key_F12, Qt::NoModifier, "", "F12", std::nullopt},
        {Qt::Key_Plus, Qt::KeypadModifier, "+", "Add", '+'},
        {Qt::Key_Minus, Qt::KeypadModifier, "-", "Subtract", '-'},
        // The same characters on the main keyboard are typed characters.
        {Qt::Key_Plus, Qt::ShiftModifier, "+", "+", '+'},
        {Qt::Key_F, Qt::NoModifier, "f", "f", 'f'},
        {Qt::Key_F, Qt::ShiftModifier, "F", "F", 'F'},
        {Qt::Key_Space, Qt::NoModifier, " ", "Space", ' '},
        {Qt::Key_Backspace, Qt::NoModifier, "\b", "Backspace", '\b'},
        {Qt::Key_Shift, Qt::ShiftModifier, "", std::nullopt, std::nullopt},
        // Drawing texts are 8-bit: a character beyond Latin-1 is not offered to them.
        {Qt::Key_unknown, Qt::NoModifier, QString(QChar(0x20AC)), std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        const auto key = KeyEventFromQt(c.QtKey, c.Mods, c.Text);
        ASSERT_EQ(key.has_value(), c.Name.has_value()) << c.QtKey;
        if (!key) continue;
        EXPECT_EQ(KeyName(*key), *c.Name);
        EXPECT_EQ(TypedCharacter(*key), c.Typed) << *c.Name;
        EXPECT_EQ(key->Shift, c.Mods.testFlag(Qt::ShiftModifier)) << *c.Name;
    }
    EXPECT_TRUE(KeyEventFromQt(Qt::Key_Left, Qt::ControlModifier, "")->Control);
}

} // namespace
} // namespace velmora
