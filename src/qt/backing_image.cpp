#include "qt/backing_image.h"

#include "qt/picture_export.h"

#include <QRect>

#include <algorithm>
#include <cmath>

namespace velmora {

BackingImage::BackingImage(Size size, Colorref background) : Background(background) {
    Resize(size);
}

BackingImage::~BackingImage() {
    Close();
}

void BackingImage::Close() {
    ToolCanvas.reset();
    if (Painter) Painter->end();
    Painter.reset();
}

void BackingImage::Open() {
    if (Image.isNull()) return;
    Painter = std::make_unique<QPainter>(&Image);
    ToolCanvas = std::make_unique<QPainterCanvas>(*Painter, &Fonts, Ratio);
}

void BackingImage::Resize(Size size) {
    Close();
    Logical = size;
    const auto device = [this](int side) { return static_cast<int>(std::ceil(side * Ratio)); };
    Image = MakeCanvasImage(device(size.Width), device(size.Height), Background);
    if (Image.isNull()) Logical = {};
    Open();
}

void BackingImage::SetPixelRatio(double ratio) {
    Ratio = ratio > 0 ? ratio : 1.0;
    Resize(Logical);
}

QImage BackingImage::ClientPicture(const std::function<void(Canvas&, const Rect&)>& paint) const {
    if (Ratio == 1.0) return Image;
    const Rect all{0, 0, Logical.Width, Logical.Height};
    return RenderPicture(Logical.Width, Logical.Height, Background, [&](Canvas& c) { paint(c, all); });
}

void BackingImage::Repaint(const Rect& area, const std::function<void(Canvas&, const Rect&)>& paint) {
    if (!Painter) return;
    const Rect r{std::max(0, area.Left), std::max(0, area.Top), std::min(Logical.Width, area.Right),
                 std::min(Logical.Height, area.Bottom)};
    if (r.Width() <= 0 || r.Height() <= 0) return;
    // The paint canvas saves the painter's state on construction and restores it when it goes, so the
    // clip set here and everything the paint selects end with it.
    QPainterCanvas canvas(*Painter, &Fonts, Ratio);
    Painter->setClipRect(DeviceRectOf(r, Ratio));
    canvas.FillDeviceRect(r, Background);
    paint(canvas, r);
}

} // namespace velmora
