// Device-independent bitmaps: the picture of the window as the BMP file holds it and as the PNG writer
// takes it. Everything is little-endian bytes, laid out as the BMP format lays them out.
#pragma once

#include "platform/captured_picture.h"

#include <cstdint>
#include <vector>

namespace velmora {

enum : std::uint32_t { BiRgb = 0, BiRle8 = 1, BiRle4 = 2, BiBitfields = 3 };
inline constexpr std::uint32_t InfoHeaderSize = 40; // the long header
inline constexpr std::uint32_t CoreHeaderSize = 12; // the short header: 16-bit width, height, planes, bits

struct Dib {
    std::vector<std::uint8_t> Header; // the header, then the palette or the three channel masks
    std::vector<std::uint8_t> Bits;   // the pixel rows, bottom-up, each padded to four bytes
};

// The captured picture as an uncompressed DIB of 24 or 32 bits per pixel.
Dib MakeDib(const CapturedPicture& picture, int bitsPerPixel);

// Bytes of one row: ((width x bits + 31) / 32) x 4, in 64 bits.
std::uint64_t DibRowBytes(std::uint64_t width, std::uint64_t bitsPerPixel);

// Little-endian helpers shared by the writers.
void PutU16(std::vector<std::uint8_t>& out, std::uint32_t v);
void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v);
std::uint32_t GetU16(const std::uint8_t* p);
std::uint32_t GetU32(const std::uint8_t* p);

} // namespace velmora
