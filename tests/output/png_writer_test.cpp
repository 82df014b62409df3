// The PNG writer on every screen format it accepts, decoded again with libpng; and the requests it refuses.
#include "output/dib.h"
#include "output/picture_decoding.h"
#include "output/png_writer.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

// A DIB header of the long form, followed by whatever palette or masks the test adds.
std::vector<std::uint8_t> InfoHeader(int width, int height, int bits, std::uint32_t compression,
                                     std::uint32_t sizeImage = 0, std::uint32_t coloursUsed = 0,
                                     int ppm = 3780) {
    std::vector<std::uint8_t> h;
    PutU32(h, InfoHeaderSize);
    PutU32(h, static_cast<std::uint32_t>(width));
    PutU32(h, static_cast<std::uint32_t>(height));
    PutU16(h, 1);
    PutU16(h, static_cast<std::uint32_t>(bits));
    PutU32(h, compression);
    PutU32(h, sizeImage);
    PutU32(h, static_cast<std::uint32_t>(ppm));
    PutU32(h, static_cast<std::uint32_t>(ppm));
    PutU32(h, coloursUsed);
    PutU32(h, 0);
    return h;
}

void PaletteEntry(std::vector<std::uint8_t>& h, int r, int g, int b) {
    h.insert(h.end(),
             {static_cast<std::uint8_t>(b), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(r), 0});
}

class PngWriter : public ::testing::Test {
protected:
    PngResult Write(const std::vector<std::uint8_t>& header, const std::vector<std::uint8_t>& bits,
                    std::uint32_t flags = 1) {
        PngRequest r;
        r.Flags = flags;
        r.FileName = File;
        r.Header = header.data();
        r.HeaderSize = header.size();
        r.Bits = bits.data();
        r.BitsSize = bits.size();
        return WritePng(r);
    }
    std::vector<std::uint8_t> Chunk(const std::string& type) {
        const auto chunks = test::PngChunks(test::ReadFile(File));
        if (!chunks || !chunks->count(type)) return {};
        return chunks->at(type);
    }
    test::TempDir Dir;
    std::filesystem::path File = Dir.Path / "picture.PNG";
};

TEST_F(PngWriter, ThirtyTwoBitScreenGivesAnInterlacedRgbImage) {
    const CapturedPicture p{3, 2, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x000000, 0x123456}, 3780, 3780};
    const Dib dib = MakeDib(p, 32);
    ASSERT_EQ(Write(dib.Header, dib.Bits), PngOk);
    const auto ihdr = Chunk("IHDR");
    ASSERT_EQ(ihdr.size(), 13u);
    EXPECT_EQ(test::BigEndian32(ihdr, 0), 3u);
    EXPECT_EQ(test::BigEndian32(ihdr, 4), 2u);
    EXPECT_EQ(ihdr[8], 8);  // bit depth
    EXPECT_EQ(ihdr[9], 2);  // RGB
    EXPECT_EQ(ihdr[12], 1); // Adam7
    const auto phys = Chunk("pHYs");
    ASSERT_EQ(phys.size(), 9u);
    EXPECT_EQ(test::BigEndian32(phys, 0), 3780u);
    EXPECT_EQ(phys[8], 1); // per metre
    EXPECT_TRUE(Chunk("PLTE").empty());
    const auto d = test::DecodePng(File);
    ASSERT_TRUE(d);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(d->At(i % 3, i / 3), p.Pixels[static_cast<std::size_t>(i)]) << i; // top row first
}

TEST_F(PngWriter, SixteenBitFormatsExpandEachChannel) {
    const struct {
        std::uint32_t Red, Green, Blue;
        std::uint16_t White;
        std::uint32_t Decoded;
        std::uint8_t SbitGreen;
    } cases[] = {{0xF800, 0x7E0, 0x1F, 0xFFFF, 0xF8FCF8, 6}, {0x7C00, 0x3E0, 0x1F, 0x7FFF, 0xF8F8F8, 5}};
    for (const auto& c : cases) {
        auto header = InfoHeader(1, 1, 16, BiBitfields);
        PutU32(header, c.Red);
        PutU32(header, c.Green);
        PutU32(header, c.Blue);
        std::vector<std::uint8_t> bits;
        PutU16(bits, c.White);
        PutU16(bits, 0); // the row's padding
        ASSERT_EQ(Write(header, bits), PngOk);
        EXPECT_EQ(Chunk("sBIT"), (std::vector<std::uint8_t>{5, c.SbitGreen, 5}));
        const auto d = test::DecodePng(File);
        ASSERT_TRUE(d);
        EXPECT_EQ(d->At(0, 0), c.Decoded);
    }
}

TEST_F(PngWriter, PaletteImagesKeepTheirDepthAndColours) {
    auto header = InfoHeader(3, 1, 8, BiRgb, 0, 3);
    PaletteEntry(header, 255, 0, 0);
    PaletteEntry(header, 0, 0, 255);
    PaletteEntry(header, 10, 20, 30);
    const std::vector<std::uint8_t> bits{2, 0, 1, 0};
    ASSERT_EQ(Write(header, bits), PngOk);
    const auto ihdr = Chunk("IHDR");
    EXPECT_EQ(ihdr[8], 8);
    EXPECT_EQ(ihdr[9], 3); // palette
    EXPECT_EQ(Chunk("PLTE"), (std::vector<std::uint8_t>{255, 0, 0, 0, 0, 255, 10, 20, 30}));
    const auto d = test::DecodePng(File);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->At(0, 0), 0x0A141Eu);
    EXPECT_EQ(d->At(1, 0), 0xFF0000u);
}

TEST_F(PngWriter, RunLengthImagesAreExpandedFirst) {
    // Two rows of four 8-bit pixels, bottom-up: the bottom row is a run of colour 1, the top row 0 0 1 1.
    auto header = InfoHeader(4, 2, 8, BiRle8, 10, 2);
    PaletteEntry(header, 0, 0, 0);
    PaletteEntry(header, 255, 255, 255);
    const std::vector<std::uint8_t> rle{4, 1, 0, 0, 2, 0, 2, 1, 0, 1};
    ASSERT_EQ(Write(header, rle, 0), PngOk);
    const auto d = test::DecodePng(File);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->At(0, 0), 0u);
    EXPECT_EQ(d->At(3, 0), 0xFFFFFFu);
    EXPECT_EQ(d->At(0, 1), 0xFFFFFFu);
}

TEST_F(PngWriter, RefusesWhatItCannotWrite) {
    const CapturedPicture p{2, 2, {0, 0, 0, 0}, 0, 0};
    const Dib dib = MakeDib(p, 24);
    PngRequest wrongSize;
    wrongSize.RecordSize = 28;
    EXPECT_EQ(WritePng(wrongSize), PngWrongRecordSize);

    auto tooWide = InfoHeader(1000001, 1, 24, BiRgb);
    EXPECT_EQ(Write(tooWide, dib.Bits), PngBadHeader);
    auto jpeg = InfoHeader(2, 2, 24, 4);
    EXPECT_EQ(Write(jpeg, dib.Bits), PngUnsupportedFormat);
    auto twelveBits = InfoHeader(2, 2, 12, BiRgb);
    EXPECT_EQ(Write(twelveBits, dib.Bits), PngUnsupportedFormat);
    // Rows shorter than the header promises would be read past their end.
    EXPECT_EQ(Write(dib.Header, std::vector<std::uint8_t>(dib.Bits.begin(), dib.Bits.end() - 1)),
              PngBadHeader);
    EXPECT_FALSE(std::filesystem::exists(File));

    PngRequest r;
    r.FileName = Dir.Path / "no such folder" / "x.PNG";
    r.Header = dib.Header.data();
    r.Bits = dib.Bits.data();
    EXPECT_EQ(WritePng(r), PngCannotCreate);
}

TEST_F(PngWriter, AFailedWriteLeavesTheOldPicture) {
    test::WriteFile(File, "an older picture");
    auto bad = InfoHeader(2, 2, 24, BiRgb);
    EXPECT_NE(Write(bad, {1, 2, 3}), PngOk);
    EXPECT_EQ(test::ReadFile(File), "an older picture");
}

} // namespace
} // namespace velmora
