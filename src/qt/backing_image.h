// The drawing window's picture: an image the window shows, with one canvas kept open on it so that tools can
// draw rubber bands into it at any time, and repaints of invalid areas that run the paint handler into the
// same image. Both the Qt window and headless script runs keep their picture in one of these.
#pragma once

#include "platform/canvas.h"
#include "platform/ui.h"
#include "qt/qpainter_canvas.h"

#include <QImage>
#include <QPainter>

#include <functional>
#include <memory>

namespace velmora {

class BackingImage {
public:
    explicit BackingImage(Size size = {}, Colorref background = Rgb(255, 255, 255));
    ~BackingImage();
    BackingImage(const BackingImage&) = delete;
    BackingImage& operator=(const BackingImage&) = delete;

    // A new image of that size, filled with the background; what was drawn is gone until the next repaint.
    // The canvas is a new one too: callers take the canvas afresh for every event, never across a resize.
    void Resize(Size size);
    // The size in the window's pixels, and the device pixels per window pixel (2 on a screen at 2x
    // scale): the image holds size x ratio pixels, so that the window shows it pixel for pixel.
    Size GetSize() const { return Logical; }
    double PixelRatio() const { return Ratio; }
    // A new image at the ratio, as Resize makes one.
    void SetPixelRatio(double ratio);
    void SetBackground(Colorref c) { Background = c; }
    Colorref GetBackground() const { return Background; }

    // The canvas the tools draw on; nothing while the image is empty.
    Canvas* GetCanvas() { return ToolCanvas.get(); }
    const QImage& GetImage() const { return Image; }
    // The picture at the window's own pixel size, as pictures and tests know the window: the image itself
    // at ratio 1, else the whole area painted afresh by paint at 1 (what a 1x screen would show).
    QImage ClientPicture(const std::function<void(Canvas&, const Rect&)>& paint) const;
    // A copy that does not change when the canvas draws on.
    QImage Snapshot() const { return Image.copy(); }

    // Erases the area (clipped to the image) to the background and runs paint on a canvas clipped to it. The
    // paint gets a canvas of its own, as a paint handler gets its own device context, so the tools' canvas
    // keeps its mapping, pen and raster operation across a repaint.
    void Repaint(const Rect& area, const std::function<void(Canvas&, const Rect&)>& paint);

private:
    void Open();
    void Close();

    QImage Image;
    Size Logical;
    double Ratio = 1.0;
    // The fonts every canvas on the image resolves, kept across repaints.
    QPainterFontCache Fonts;
    std::unique_ptr<QPainter> Painter;
    std::unique_ptr<QPainterCanvas> ToolCanvas;
    Colorref Background;
};

} // namespace velmora
