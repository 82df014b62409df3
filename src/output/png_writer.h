// The PNG writer: a DIB (any of the screen formats: 1, 4, 8, 16, 24 or 32 bits per pixel, uncompressed,
// run-length or with channel masks) as a PNG file through libpng. The PNG is built in memory and written
// atomically, so a failure never leaves a half-written file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace velmora {

inline constexpr std::uint32_t PngRequestSize = 32;

struct PngRequest {
    std::uint32_t RecordSize = PngRequestSize; // must be PngRequestSize
    std::uint32_t Flags = 0;                   // bit 0: interlaced (Adam7)
    std::filesystem::path FileName;
    const std::uint8_t* Header = nullptr; // the DIB header, then the palette or the channel masks
    std::size_t HeaderSize = 0;           // bytes readable at Header; 0 = not checked
    const std::uint8_t* Bits = nullptr;   // the rows; null = they follow the header and the palette
    std::size_t BitsSize = 0;             // bytes readable at Bits; 0 = not checked
    const char* Software = nullptr;       // a "Software" text chunk; none when null
};

enum PngResult : int {
    PngOk = 0,
    PngFailure = 1,
    PngWrongRecordSize = 2,
    PngOutOfMemory = 3,
    PngUnsupportedFormat = 4,
    PngLibraryError = 5,
    PngBadHeader = 6,
    PngCannotCreate = 9,
};

PngResult WritePng(const PngRequest& request);

// Pictures beyond this many bytes of PNG rows are refused as too large to hold.
inline constexpr std::uint64_t MaxPngRowBytesTotal = 1ull << 30;

} // namespace velmora
