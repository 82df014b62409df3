#include "output/png_writer.h"

#include "model/file_io.h"
#include "output/dib.h"

#include <png.h>

#include <csetjmp>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

namespace {

constexpr std::int64_t MaxSide = 1000000;

struct Source {
    std::uint32_t HeaderBytes = 0;
    std::int64_t Width = 0, Height = 0;
    bool TopDown = false;
    std::uint32_t Bits = 0, Compression = BiRgb, SizeImage = 0, ColoursUsed = 0;
    std::int32_t XRes = 0, YRes = 0;
    bool Rgb565 = false;
    std::uint32_t PaletteEntries = 0, PaletteEntrySize = 4;
    const std::uint8_t* Palette = nullptr;
    const std::uint8_t* Rows = nullptr;
    std::uint64_t RowsAvailable = 0; // 0 = unknown
};

std::int32_t AsInt32(std::uint32_t v) {
    return static_cast<std::int32_t>(v);
}

// Reads and checks the header: PngOk, or the result that refuses it.
PngResult ReadHeader(const PngRequest& r, Source& s) {
    if (!r.Header || (r.HeaderSize != 0 && r.HeaderSize < 4)) return PngBadHeader;
    s.HeaderBytes = GetU32(r.Header);
    const std::uint8_t* h = r.Header;
    if (s.HeaderBytes == CoreHeaderSize) {
        if (r.HeaderSize != 0 && r.HeaderSize < CoreHeaderSize) return PngBadHeader;
        s.Width = GetU16(h + 4);
        s.Height = static_cast<std::int16_t>(GetU16(h + 6));
        s.Bits = GetU16(h + 10);
        s.PaletteEntrySize = 3;
    } else if (s.HeaderBytes >= InfoHeaderSize) {
        if (r.HeaderSize != 0 && r.HeaderSize < s.HeaderBytes) return PngBadHeader;
        s.Width = AsInt32(GetU32(h + 4));
        s.Height = AsInt32(GetU32(h + 8));
        s.Bits = GetU16(h + 14);
        s.Compression = GetU32(h + 16);
        s.SizeImage = GetU32(h + 20);
        s.XRes = AsInt32(GetU32(h + 24));
        s.YRes = AsInt32(GetU32(h + 28));
        s.ColoursUsed = GetU32(h + 32);
    } else {
        return PngBadHeader;
    }
    if (s.Height < 0) s.TopDown = true, s.Height = -s.Height;
    if (s.Width < 1 || s.Width > MaxSide || s.Height < 1 || s.Height > MaxSide) return PngBadHeader;
    return PngOk;
}

// The accepted formats; reads the channel masks of a bit-field image.
PngResult CheckFormat(const PngRequest& r, Source& s) {
    switch (s.Compression) {
    case BiRgb:
        if (s.Bits == 1 || s.Bits == 4 || s.Bits == 8 || s.Bits == 16 || s.Bits == 24 || s.Bits == 32)
            return PngOk;
        return PngUnsupportedFormat;
    case BiRle8:
        return s.Bits == 8 && !s.TopDown ? PngOk : PngUnsupportedFormat;
    case BiRle4:
        return s.Bits == 4 && !s.TopDown ? PngOk : PngUnsupportedFormat;
    case BiBitfields: {
        if (s.HeaderBytes < InfoHeaderSize || (s.Bits != 16 && s.Bits != 32)) return PngUnsupportedFormat;
        if (r.HeaderSize != 0 && r.HeaderSize < InfoHeaderSize + 12) return PngBadHeader;
        const std::uint32_t red = GetU32(r.Header + 40), green = GetU32(r.Header + 44),
                            blue = GetU32(r.Header + 48);
        if (s.Bits == 32)
            return red == 0xFF0000 && green == 0xFF00 && blue == 0xFF ? PngOk : PngUnsupportedFormat;
        if (red == 0x7C00 && green == 0x3E0 && blue == 0x1F) return PngOk;
        if (red == 0xF800 && green == 0x7E0 && blue == 0x1F) return s.Rgb565 = true, PngOk;
        return PngUnsupportedFormat;
    }
    default:
        return PngUnsupportedFormat;
    }
}

// Finds the palette and the rows and checks that the sizes given cover them.
PngResult LocateData(const PngRequest& r, Source& s) {
    if (s.Bits <= 8) {
        const std::uint32_t most = 1u << s.Bits;
        s.PaletteEntries = s.ColoursUsed == 0 ? most : s.ColoursUsed;
        if (s.PaletteEntries > most) return PngBadHeader;
    }
    std::uint64_t paletteAt = s.HeaderBytes;
    if (s.Compression == BiBitfields && s.HeaderBytes == InfoHeaderSize) paletteAt += 12;
    const std::uint64_t headerEnd =
        paletteAt + static_cast<std::uint64_t>(s.PaletteEntries) * s.PaletteEntrySize;
    if (r.HeaderSize != 0 && r.HeaderSize < headerEnd) return PngBadHeader;
    s.Palette = r.Header + paletteAt;
    if (r.Bits) {
        s.Rows = r.Bits;
        s.RowsAvailable = r.BitsSize;
    } else {
        s.Rows = r.Header + headerEnd;
        s.RowsAvailable = r.HeaderSize != 0 ? r.HeaderSize - headerEnd : 0;
        if (r.HeaderSize != 0 && s.RowsAvailable == 0) return PngBadHeader;
    }
    const std::uint64_t rowBytes = DibRowBytes(static_cast<std::uint64_t>(s.Width), s.Bits);
    const bool compressed = s.Compression == BiRle8 || s.Compression == BiRle4;
    if (compressed) {
        // Run-length data has no length of its own: without a size to stop at it cannot be read safely.
        if (s.RowsAvailable == 0) s.RowsAvailable = s.SizeImage;
        if (s.RowsAvailable == 0) return PngBadHeader;
    } else if (s.RowsAvailable != 0 && s.RowsAvailable < rowBytes * static_cast<std::uint64_t>(s.Height)) {
        return PngBadHeader;
    }
    return PngOk;
}

// Expands RLE8 or RLE4 data into uncompressed bottom-up rows; nothing when the data is damaged.
std::optional<std::vector<std::uint8_t>> ExpandRle(const Source& s) {
    const bool four = s.Compression == BiRle4;
    const std::uint64_t rowBytes = DibRowBytes(static_cast<std::uint64_t>(s.Width), s.Bits);
    std::vector<std::uint8_t> out(static_cast<std::size_t>(rowBytes * static_cast<std::uint64_t>(s.Height)),
                                  0);
    std::int64_t x = 0, y = 0;
    auto put = [&](std::uint8_t index) {
        if (x < s.Width && y < s.Height) {
            std::uint8_t* row =
                out.data() + static_cast<std::size_t>(rowBytes * static_cast<std::uint64_t>(y));
            if (four) {
                std::uint8_t& b = row[x / 2];
                b = x % 2 == 0 ? static_cast<std::uint8_t>((b & 0x0F) | (index << 4))
                               : static_cast<std::uint8_t>((b & 0xF0) | (index & 0x0F));
            } else {
                row[x] = index;
            }
        }
        ++x;
    };
    auto nibble = [&](std::uint8_t byte, std::uint32_t i) {
        return four ? static_cast<std::uint8_t>(i % 2 == 0 ? byte >> 4 : byte & 0x0F) : byte;
    };
    const std::uint8_t* p = s.Rows;
    const std::uint64_t n = s.RowsAvailable;
    std::uint64_t i = 0;
    while (i + 1 < n) {
        const std::uint8_t count = p[i], value = p[i + 1];
        i += 2;
        if (count > 0) {
            for (std::uint32_t k = 0; k < count; ++k)
                put(nibble(value, k));
            continue;
        }
        if (value == 0) { // end of line
            x = 0, ++y;
        } else if (value == 1) { // end of bitmap
            return out;
        } else if (value == 2) { // delta
            if (i + 1 >= n) return std::nullopt;
            x += p[i], y += p[i + 1];
            i += 2;
        } else { // an absolute run of `value` pixels, padded to a whole word
            const std::uint64_t bytes = four ? (value + 1u) / 2 : value;
            if (i + bytes > n) return std::nullopt;
            for (std::uint32_t k = 0; k < value; ++k)
                put(nibble(p[i + (four ? k / 2 : k)], k));
            i += (bytes + 1) / 2 * 2;
        }
        if (y > s.Height) return std::nullopt;
    }
    return out;
}

// The rows as libpng takes them, top row first: palette indices as stored, anything deeper as 3-byte
// blue-green-red pixels (written with libpng's BGR swap).
std::vector<std::uint8_t> PngRows(const Source& s, const std::uint8_t* rows, std::uint64_t& pngRowBytes) {
    const std::uint64_t w = static_cast<std::uint64_t>(s.Width), h = static_cast<std::uint64_t>(s.Height);
    const std::uint64_t inRow = DibRowBytes(w, s.Bits);
    pngRowBytes = s.Bits <= 8 ? inRow : w * 3;
    std::vector<std::uint8_t> out(static_cast<std::size_t>(pngRowBytes * h));
    for (std::uint64_t y = 0; y < h; ++y) {
        const std::uint64_t from = s.TopDown ? y : h - 1 - y;
        const std::uint8_t* in = rows + inRow * from;
        std::uint8_t* o = out.data() + pngRowBytes * y;
        if (s.Bits <= 8 || s.Bits == 24) {
            std::copy(in, in + pngRowBytes, o);
            continue;
        }
        for (std::uint64_t x = 0; x < w; ++x, o += 3) {
            if (s.Bits == 32) {
                o[0] = in[x * 4], o[1] = in[x * 4 + 1], o[2] = in[x * 4 + 2];
                continue;
            }
            const std::uint32_t v = GetU16(in + x * 2);
            o[0] = static_cast<std::uint8_t>((v & 0x1F) << 3);
            o[1] = static_cast<std::uint8_t>(s.Rgb565 ? (v & 0x7E0) >> 3 : (v & 0x3E0) >> 2);
            o[2] = static_cast<std::uint8_t>(s.Rgb565 ? (v & 0xF800) >> 8 : (v & 0x7C00) >> 7);
        }
    }
    return out;
}

struct Sink {
    std::vector<std::uint8_t> Bytes;
};

void ErrorHandler(png_structp png, png_const_charp) {
    std::longjmp(png_jmpbuf(png), 1);
}

void WarningHandler(png_structp, png_const_charp) {}

void WriteToSink(png_structp png, png_bytep data, png_size_t length) {
    auto* sink = static_cast<Sink*>(png_get_io_ptr(png));
    bool failed = false;
    try {
        sink->Bytes.insert(sink->Bytes.end(), data, data + length);
    } catch (...) {
        failed = true;
    }
    if (failed) png_error(png, "out of memory");
}

void FlushSink(png_structp) {}

// The libpng part. Everything with a destructor lives in the caller, so the jump back from libpng's error
// handler skips nothing that must be destroyed.
PngResult Encode(const PngRequest& r, const Source& s, std::vector<png_bytep>& rowPointers,
                 std::vector<png_color>& palette, Sink& sink) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, ErrorHandler, WarningHandler);
    if (!png) return PngOutOfMemory;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return PngOutOfMemory;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return PngLibraryError;
    }
    png_set_write_fn(png, &sink, WriteToSink, FlushSink);
    // Pictures of the window are mostly paper with thin lines: the fastest deflate level with the one-pass
    // "sub" filter packs them nearly as tightly as the defaults in a third of the time, so saving a full
    // window's picture feels immediate.
    png_set_compression_level(png, 1);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
    const bool indexed = s.Bits <= 8;
    png_set_IHDR(png, info, static_cast<png_uint_32>(s.Width), static_cast<png_uint_32>(s.Height),
                 indexed ? static_cast<int>(s.Bits) : 8,
                 indexed ? PNG_COLOR_TYPE_PALETTE : PNG_COLOR_TYPE_RGB,
                 (r.Flags & 1) != 0 ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (s.Bits == 16) {
        png_color_8 bits{};
        bits.red = 5, bits.green = s.Rgb565 ? 6 : 5, bits.blue = 5;
        png_set_sBIT(png, info, &bits);
    }
    if (s.XRes > 0 && s.YRes > 0)
        png_set_pHYs(png, info, static_cast<png_uint_32>(s.XRes), static_cast<png_uint_32>(s.YRes),
                     PNG_RESOLUTION_METER);
    if (indexed) png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
    if (!indexed) png_set_bgr(png);
    png_write_info(png, info);
    png_write_image(png, rowPointers.data());
    if (r.Software) {
        png_text text{};
        text.compression = PNG_TEXT_COMPRESSION_NONE;
        text.key = const_cast<png_charp>("Software");
        text.text = const_cast<png_charp>(r.Software);
        png_set_text(png, info, &text, 1);
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return PngOk;
}

PngResult Write(const PngRequest& r) {
    if (r.RecordSize != PngRequestSize) return PngWrongRecordSize;
    Source s;
    for (auto step : {ReadHeader, CheckFormat, LocateData})
        if (const PngResult e = step(r, s); e != PngOk) return e;
    const std::uint64_t outRow = s.Bits <= 8 ? DibRowBytes(static_cast<std::uint64_t>(s.Width), s.Bits)
                                             : static_cast<std::uint64_t>(s.Width) * 3;
    if (outRow * static_cast<std::uint64_t>(s.Height) > MaxPngRowBytesTotal) return PngOutOfMemory;

    std::optional<std::vector<std::uint8_t>> expanded;
    const std::uint8_t* rows = s.Rows;
    if (s.Compression == BiRle8 || s.Compression == BiRle4) {
        expanded = ExpandRle(s);
        if (!expanded) return PngBadHeader;
        rows = expanded->data();
    }
    std::uint64_t pngRowBytes = 0;
    std::vector<std::uint8_t> pixels = PngRows(s, rows, pngRowBytes);
    std::vector<png_bytep> rowPointers(static_cast<std::size_t>(s.Height));
    for (std::size_t y = 0; y < rowPointers.size(); ++y)
        rowPointers[y] = pixels.data() + pngRowBytes * y;
    std::vector<png_color> palette;
    for (std::uint32_t i = 0; i < s.PaletteEntries; ++i) {
        const std::uint8_t* e = s.Palette + static_cast<std::size_t>(i) * s.PaletteEntrySize;
        palette.push_back(png_color{e[2], e[1], e[0]});
    }
    Sink sink;
    if (const PngResult e = Encode(r, s, rowPointers, palette, sink); e != PngOk) return e;
    std::string error;
    const std::string_view bytes(reinterpret_cast<const char*>(sink.Bytes.data()), sink.Bytes.size());
    return WriteFileAtomic(r.FileName, bytes, error) ? PngOk : PngCannotCreate;
}

} // namespace

PngResult WritePng(const PngRequest& request) {
    try {
        return Write(request);
    } catch (const std::bad_alloc&) {
        return PngOutOfMemory;
    } catch (...) {
        return PngFailure;
    }
}

} // namespace velmora
