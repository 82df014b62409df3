#include "output/dib.h"

namespace velmora {

void PutU16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xff));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xff));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    PutU16(out, v & 0xffff);
    PutU16(out, v >> 16);
}

std::uint32_t GetU16(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8);
}

std::uint32_t GetU32(const std::uint8_t* p) {
    return GetU16(p) | (GetU16(p + 2) << 16);
}

std::uint64_t DibRowBytes(std::uint64_t width, std::uint64_t bitsPerPixel) {
    return (width * bitsPerPixel + 31) / 32 * 4;
}

Dib MakeDib(const CapturedPicture& picture, int bitsPerPixel) {
    Dib dib;
    const auto w = static_cast<std::uint32_t>(picture.Width);
    const auto h = static_cast<std::uint32_t>(picture.Height);
    const std::uint64_t row = DibRowBytes(w, static_cast<std::uint64_t>(bitsPerPixel));
    auto& hd = dib.Header;
    PutU32(hd, InfoHeaderSize);
    PutU32(hd, w);
    PutU32(hd, h); // positive: bottom-up rows
    PutU16(hd, 1);
    PutU16(hd, static_cast<std::uint32_t>(bitsPerPixel));
    PutU32(hd, BiRgb);
    PutU32(hd, static_cast<std::uint32_t>(row * h));
    PutU32(hd, static_cast<std::uint32_t>(picture.XPelsPerMeter));
    PutU32(hd, static_cast<std::uint32_t>(picture.YPelsPerMeter));
    PutU32(hd, 0);
    PutU32(hd, 0);
    dib.Bits.assign(static_cast<std::size_t>(row * h), 0);
    const int bytes = bitsPerPixel / 8;
    for (std::uint32_t y = 0; y < h; ++y) {
        std::uint8_t* out = dib.Bits.data() + static_cast<std::size_t>(row * (h - 1 - y));
        const std::uint32_t* in = picture.Pixels.data() + static_cast<std::size_t>(y) * w;
        for (std::uint32_t x = 0; x < w; ++x, out += bytes) {
            out[0] = static_cast<std::uint8_t>(in[x] & 0xff);         // blue
            out[1] = static_cast<std::uint8_t>((in[x] >> 8) & 0xff);  // green
            out[2] = static_cast<std::uint8_t>((in[x] >> 16) & 0xff); // red
        }
    }
    return dib;
}

} // namespace velmora
