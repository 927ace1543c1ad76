// BMP and ".pic" readers: every bitmap layout we accept, round trips of our
// own writers, and damaged files that must fail without reading out of bounds.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "media/gfx/bmp_file.h"
#include "media/gfx/pic_file.h"

namespace kv {
namespace {

using ByteVector = std::vector<std::uint8_t>;

void putLe(ByteVector& out, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) out.push_back(std::uint8_t(value >> (8 * i)));
}

// A BMP file with a 40-byte header; extra holds bit masks or the colour
// table, whose entry count the header declares.
ByteVector makeBmp(int width, int height, int bitCount, std::uint32_t compression, const ByteVector& extra,
                   const ByteVector& bits) {
    const std::uint32_t coloursUsed = bitCount <= 8 ? std::uint32_t(extra.size() / 4) : 0;
    ByteVector info;
    putLe(info, 40, 4);
    putLe(info, std::uint32_t(width), 4);
    putLe(info, std::uint32_t(height), 4);
    putLe(info, 1, 2);
    putLe(info, std::uint32_t(bitCount), 2);
    putLe(info, compression, 4);
    putLe(info, std::uint32_t(bits.size()), 4);
    putLe(info, 0, 4);
    putLe(info, 0, 4);
    putLe(info, coloursUsed, 4);
    putLe(info, 0, 4);
    info.insert(info.end(), extra.begin(), extra.end());
    ByteVector file = {'B', 'M'};
    putLe(file, std::uint32_t(14 + info.size() + bits.size()), 4);
    putLe(file, 0, 4);
    putLe(file, std::uint32_t(14 + info.size()), 4);
    file.insert(file.end(), info.begin(), info.end());
    file.insert(file.end(), bits.begin(), bits.end());
    return file;
}

// Colour table of four entries (B, G, R, 0): black, red, green, blue.
const ByteVector kFourColours = {0, 0, 0, 0, 0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0};
constexpr Pixel kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF;

struct BmpCase {
    const char* name;
    ByteVector file;
    int width, height;
    std::vector<Pixel> expected;  // top row first
};

std::vector<BmpCase> bmpCases() {
    return {
        // Bottom-up rows: the first stored row is the bottom one.
        {"1-bit", makeBmp(3, 2, 1, 0, kFourColours, {0b10100000, 0, 0, 0, 0b01000000, 0, 0, 0}), 3, 2,
         {0, kRed, 0, kRed, 0, kRed}},
        {"4-bit", makeBmp(3, 1, 4, 0, kFourColours, {0x12, 0x30, 0, 0}), 3, 1, {kRed, kGreen, kBlue}},
        {"8-bit", makeBmp(2, 2, 8, 0, kFourColours, {1, 2, 0, 0, 3, 0, 0, 0}), 2, 2, {kBlue, 0, kRed, kGreen}},
        {"8-bit index past the table is black", makeBmp(1, 1, 8, 0, kFourColours, {200, 0, 0, 0}), 1, 1, {0}},
        {"RLE8 runs, absolute run and end of line",
         makeBmp(4, 2, 8, 1, kFourColours, {3, 1, 0, 0, 0, 3, 2, 3, 2, 0, 0, 1}), 4, 2,
         {kGreen, kBlue, kGreen, 0, kRed, kRed, kRed, 0}},
        {"RLE8 delta skips pixels", makeBmp(3, 1, 8, 1, kFourColours, {0, 2, 2, 0, 1, 3, 0, 1}), 3, 1,
         {0, 0, kBlue}},
        {"RLE4", makeBmp(4, 1, 4, 2, kFourColours, {4, 0x12, 0, 1}), 4, 1, {kRed, kGreen, kRed, kGreen}},
        {"16-bit 555", makeBmp(2, 1, 16, 0, {}, {0x00, 0x7C, 0x1F, 0x00}), 2, 1, {kRed, kBlue}},
        {"16-bit 565 bit fields",
         makeBmp(2, 1, 16, 3, {0, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0}, {0xE0, 0x07, 0x00, 0xF8}), 2, 1,
         {kGreen, kRed}},
        {"24-bit bottom-up", makeBmp(1, 2, 24, 0, {}, {255, 0, 0, 0, 0, 0, 255, 0}), 1, 2, {kRed, kBlue}},
        {"24-bit top-down", makeBmp(1, -2, 24, 0, {}, {255, 0, 0, 0, 0, 0, 255, 0}), 1, 2, {kBlue, kRed}},
        {"32-bit", makeBmp(2, 1, 32, 0, {}, {0x30, 0x20, 0x10, 0, 0, 0, 255, 0}), 2, 1, {0x102030, kRed}},
    };
}

TEST(BmpReader, DecodesEveryLayout) {
    for (const BmpCase& c : bmpCases()) {
        SCOPED_TRACE(c.name);
        Surface picture;
        ASSERT_TRUE(readBmp(c.file, picture));
        ASSERT_EQ(picture.width, c.width);
        ASSERT_EQ(picture.height, c.height);
        EXPECT_EQ(picture.pixels, c.expected);
    }
}

TEST(BmpReader, RejectsDamagedFiles) {
    const ByteVector good = makeBmp(2, 2, 24, 0, {}, ByteVector(16, 7));
    struct Damage {
        const char* name;
        ByteVector file;
    };
    ByteVector badOffset = good;
    badOffset[10] = 0xFF, badOffset[11] = 0xFF;
    ByteVector wrongMagic = good;
    wrongMagic[0] = 'X';
    const std::vector<Damage> damaged = {
        {"pixel data cut short", ByteVector(good.begin(), good.end() - 1)},
        {"header cut short", ByteVector(good.begin(), good.begin() + 30)},
        {"pixel offset past the end", badOffset},
        {"not a BMP", wrongMagic},
        {"zero width", makeBmp(0, 2, 24, 0, {}, ByteVector(16, 7))},
        {"absurd size", makeBmp(100000, 100000, 24, 0, {}, ByteVector(16, 7))},
        {"unknown bit depth", makeBmp(2, 2, 7, 0, {}, ByteVector(16, 7))},
        {"RLE8 on a 24-bit header", makeBmp(2, 2, 24, 1, {}, ByteVector(16, 7))},
        {"colour table cut short", [] {
             ByteVector file = makeBmp(1, 1, 8, 0, kFourColours, {0, 0, 0, 0});
             file[46] = 200;  // declares 200 entries, holds 4
             return file;
         }()},
        {"empty file", {}},
    };
    for (const Damage& d : damaged) {
        SCOPED_TRACE(d.name);
        Surface picture;
        EXPECT_FALSE(readBmp(d.file, picture));
    }
}

TEST(BmpReader, CutRunLengthDataLeavesTheRestBlack) {
    const ByteVector file = makeBmp(4, 1, 8, 1, kFourColours, {2, 1, 0});
    Surface picture;
    ASSERT_TRUE(readBmp(file, picture));
    EXPECT_EQ(picture.pixels, (std::vector<Pixel>{kRed, kRed, 0, 0}));
}

Surface sampleSheet() {
    // Long runs, bytes of 0xC0 and above (which must go as runs) and odd widths (row padding).
    Surface s(37, 23);
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x)
            s.row(y)[x] = x < 20 ? rgb(0xC3, 0xC0, 0xFF) : rgb(x * 7, y * 11, (x * y) & 255);
    return s;
}

TEST(PicFormat, WriteThenReadGivesTheSamePixels) {
    for (const Surface& original : {sampleSheet(), Surface(640, 480), Surface(1, 1, 0)}) {
        Surface read;
        ASSERT_TRUE(readPic(writePic(original), read));
        EXPECT_EQ(read.width, original.width);
        EXPECT_EQ(read.height, original.height);
        EXPECT_EQ(read.pixels, original.pixels);
    }
}

TEST(BmpFormat, WriteThenReadGivesTheSamePixels) {
    const Surface original = sampleSheet();
    Surface read;
    ASSERT_TRUE(readBmp(writeBmp(original), read));
    EXPECT_EQ(read.pixels, original.pixels);
}

TEST(PicFormat, RunOfZeroConsumesItsValueAndWritesNothing) {
    // A 1x1 24-bit picture: 4 data bytes. Stored: run of 0 (value 0x55), then
    // literals 0x10 0x20 0x30 and a padding byte.
    const ByteVector info = [] {
        ByteVector file = writePic(Surface(1, 1));
        return ByteVector(file.begin() + 10, file.begin() + 50);
    }();
    ByteVector file = {0, 0, 0, 0, 0, 0, 0, 4, 0, 40};
    file.insert(file.end(), info.begin(), info.end());
    for (std::uint8_t stored : {std::uint8_t(0x00), std::uint8_t(0x55 ^ 0xC0), std::uint8_t(0x10 ^ 0xC0),
                                std::uint8_t(0x20 ^ 0xC0), std::uint8_t(0x30 ^ 0xC0), std::uint8_t(0xC0)})
        file.push_back(stored);
    Surface picture;
    ASSERT_TRUE(readPic(file, picture));
    EXPECT_EQ(picture.at(0, 0), rgb(0x30, 0x20, 0x10));
}

TEST(PicFormat, EveryTruncationFailsCleanly) {
    const ByteVector good = writePic(sampleSheet());
    for (std::size_t size = 0; size < good.size(); ++size) {
        Surface picture;
        EXPECT_FALSE(readPic(ByteVector(good.begin(), good.begin() + size), picture)) << size;
    }
}

TEST(PicFormat, RejectsInconsistentLengths) {
    const ByteVector good = writePic(sampleSheet());
    auto withByte = [&](std::size_t at, std::uint8_t value) {
        ByteVector file = good;
        file[at] = value;
        return file;
    };
    struct Damage {
        const char* name;
        ByteVector file;
    };
    const std::vector<Damage> damaged = {
        {"declared length smaller than the picture", withByte(6, 0)},
        {"info length past the end of file", withByte(8, 0xFF)},
        {"info length too short for a header", withByte(9, 12)},
    };
    for (const Damage& d : damaged) {
        SCOPED_TRACE(d.name);
        Surface picture;
        EXPECT_FALSE(readPic(d.file, picture));
    }
}

}  // namespace
}  // namespace kv
