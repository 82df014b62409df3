#include "qt/picture_export.h"

#include "model/file_io.h"
#include "qt/qpainter_canvas.h"

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QPainter>

#include <string_view>

namespace velmora {

QImage MakeCanvasImage(int width, int height, Colorref background) {
    if (width <= 0 || height <= 0) return {};
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull()) return image;
    image.fill(QColor(RedOf(background), GreenOf(background), BlueOf(background)));
    return image;
}

void PaintOnImage(QImage& image, const std::function<void(Canvas&)>& paint) {
    if (image.isNull()) return;
    QPainter painter(&image);
    {
        QPainterCanvas canvas(painter);
        paint(canvas);
    }
    painter.end();
}

QImage RenderPicture(int width, int height, Colorref background, const std::function<void(Canvas&)>& paint) {
    QImage image = MakeCanvasImage(width, height, background);
    PaintOnImage(image, paint);
    return image;
}

bool SavePicturePng(const QImage& image, const std::filesystem::path& path, std::string& error) {
    if (image.isNull()) {
        error = "there is no picture to save";
        return false;
    }
    // Encode in memory first so that a failed encoding never leaves a half-written file behind.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) {
        error = "the picture could not be encoded as PNG";
        return false;
    }
    return WriteFileAtomic(path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())),
                           error);
}

CapturedPicture CapturePicture(const QImage& image) {
    CapturedPicture p;
    if (image.isNull()) return p;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    p.Width = rgb.width();
    p.Height = rgb.height();
    p.XPelsPerMeter = rgb.dotsPerMeterX();
    p.YPelsPerMeter = rgb.dotsPerMeterY();
    p.Pixels.resize(static_cast<std::size_t>(p.Width) * static_cast<std::size_t>(p.Height));
    for (int y = 0; y < p.Height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < p.Width; ++x)
            p.Pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(p.Width) +
                     static_cast<std::size_t>(x)] = row[x] & 0xFFFFFFu;
    }
    return p;
}

} // namespace velmora
