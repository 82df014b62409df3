#include "qt/backing_image.h"

#include "qt/picture_export.h"

#include <QRect>

#include <algorithm>

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
    ToolCanvas = std::make_unique<QPainterCanvas>(*Painter, &Fonts);
}

void BackingImage::Resize(Size size) {
    Close();
    Image = MakeCanvasImage(size.Width, size.Height, Background);
    Open();
}

void BackingImage::Repaint(const Rect& area, const std::function<void(Canvas&, const Rect&)>& paint) {
    if (!Painter) return;
    const Rect r{std::max(0, area.Left), std::max(0, area.Top), std::min(Image.width(), area.Right),
                 std::min(Image.height(), area.Bottom)};
    if (r.Width() <= 0 || r.Height() <= 0) return;
    // The paint canvas saves the painter's state on construction and restores it when it goes, so the
    // clip set here and everything the paint selects end with it.
    QPainterCanvas canvas(*Painter, &Fonts);
    Painter->setClipRect(QRect(r.Left, r.Top, r.Width(), r.Height()));
    canvas.FillDeviceRect(r, Background);
    paint(canvas, r);
}

} // namespace velmora
