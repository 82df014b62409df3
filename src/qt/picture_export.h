// Pictures drawn through the Canvas: an image the canvas can use every raster operation on, painting into
// it, and saving it as a PNG file (the window's "save-view" and the rendering tests).
#pragma once

#include "platform/canvas.h"
#include "platform/captured_picture.h"

#include <QImage>

#include <filesystem>
#include <functional>
#include <string>

namespace velmora {

// An image of Format_RGB32 (the format Xor and NotXor work on) filled with the background colour; a null
// image when the size is empty or too big to allocate.
QImage MakeCanvasImage(int width, int height, Colorref background);

// Runs paint on a QPainterCanvas over the image; the canvas starts with the 1:1 mapping.
void PaintOnImage(QImage& image, const std::function<void(Canvas&)>& paint);

// MakeCanvasImage, then PaintOnImage.
QImage RenderPicture(int width, int height, Colorref background, const std::function<void(Canvas&)>& paint);

// Writes the image as a PNG file, atomically: on failure the target is untouched and error says why.
bool SavePicturePng(const QImage& image, const std::filesystem::path& path, std::string& error);

// The image's pixels as the core's picture of the window, with the image's resolution.
CapturedPicture CapturePicture(const QImage& image);

} // namespace velmora
