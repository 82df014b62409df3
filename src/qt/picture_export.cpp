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

} // namespace velmora
