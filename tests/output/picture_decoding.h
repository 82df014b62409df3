// Reading back the pictures the writers make, with the standard decoders and by chunk: what a viewer sees.
#pragma once

#include <png.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace velmora::test {

// Every chunk of a PNG file by type (the first of each), its data as bytes; nothing when the signature or a
// chunk's length is wrong.
inline std::optional<std::map<std::string, std::vector<std::uint8_t>>> PngChunks(const std::string& file) {
    static const std::string signature("\x89PNG\r\n\x1a\n", 8);
    if (file.compare(0, 8, signature) != 0) return std::nullopt;
    std::map<std::string, std::vector<std::uint8_t>> chunks;
    std::size_t at = 8;
    while (at + 12 <= file.size()) {
        const auto* p = reinterpret_cast<const std::uint8_t*>(file.data() + at);
        const std::uint32_t length = (p[0] << 24) | (p[1] << 16) | (p[2] << 8) | p[3];
        if (at + 12 + length > file.size()) return std::nullopt;
        const std::string type(file.data() + at + 4, 4);
        chunks.emplace(type, std::vector<std::uint8_t>(p + 8, p + 8 + length));
        at += 12 + length;
    }
    return chunks;
}

inline std::uint32_t BigEndian32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return (static_cast<std::uint32_t>(b[at]) << 24) | (b[at + 1] << 16) | (b[at + 2] << 8) | b[at + 3];
}

struct DecodedPng {
    int Width = 0, Height = 0;
    std::vector<std::uint8_t> Rgb; // 3 bytes a pixel, top row first
    std::uint32_t At(int x, int y) const {
        const std::size_t i = (static_cast<std::size_t>(y) * Width + x) * 3;
        return (Rgb[i] << 16) | (Rgb[i + 1] << 8) | Rgb[i + 2];
    }
};

// Decodes through libpng's own reader.
inline std::optional<DecodedPng> DecodePng(const std::filesystem::path& path) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.string().c_str())) return std::nullopt;
    image.format = PNG_FORMAT_RGB;
    DecodedPng d;
    d.Width = static_cast<int>(image.width);
    d.Height = static_cast<int>(image.height);
    d.Rgb.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, d.Rgb.data(), 0, nullptr)) return std::nullopt;
    return d;
}

} // namespace velmora::test
