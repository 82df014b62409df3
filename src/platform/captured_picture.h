// The drawing window's client area as pixels: what "Save as BitMap..." and "Save as PNG file" write.
#pragma once

#include <cstdint>
#include <vector>

namespace velmora {

struct CapturedPicture {
    int Width = 0;
    int Height = 0;
    // Width x Height pixels as 0x00RRGGBB, rows top to bottom.
    std::vector<std::uint32_t> Pixels;
    // The screen's resolution in pixels per metre (0 when unknown).
    int XPelsPerMeter = 0;
    int YPelsPerMeter = 0;
};

} // namespace velmora
