// A GIF is decoded only when its codes are ones the decoder can follow: a
// code past the end of the string table can loop the decoder's table and
// crash the game.
#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "media/gfx/display.h"
#include "media/gfx/gif_codes.h"
#include "media/gfx/picture_loading.h"
#include "scratch_folder.h"

namespace kv {
namespace {

using ByteVector = std::vector<std::uint8_t>;
using Codes = std::vector<std::pair<int, int>>;  // each code and its width in bits

// Code size 2: clear is 4, end is 5, entries start at 6, codes widen to 4
// bits once entry 8 is next.
constexpr int kClear = 4, kEnd = 5;

// An image's data from its code-size byte on: the codes packed least
// significant bit first into one sub-block, then the terminator.
ByteVector imageData(const Codes& codes) {
    ByteVector data = {2, 0};  // the code size, then the block's length once known
    std::uint32_t bits = 0;
    int held = 0;
    for (const auto& [code, width] : codes) {
        bits |= std::uint32_t(code) << held;
        for (held += width; held >= 8; held -= 8, bits >>= 8) data.push_back(std::uint8_t(bits));
    }
    if (held > 0) data.push_back(std::uint8_t(bits));
    data[1] = std::uint8_t(data.size() - 2);
    data.push_back(0);
    return data;
}

// Ten pixels of colour 0 as 1 + 2 + 3 + 4: each code names the entry that
// is being added, and the last is the first 4-bit one.
const Codes kTenPixels = {{kClear, 3}, {0, 3}, {6, 3}, {7, 3}, {8, 4}, {kEnd, 4}};

TEST(GifCodes, OnlyCodesTheTableHoldsAreFollowed) {
    struct Case {
        const char* name;
        Codes codes;
        long long pixels;
        bool sound;
    };
    const Case cases[] = {
        {"entries named as they are added, across a code width", kTenPixels, 10, true},
        {"clears before the first pixel", {{kClear, 3}, {kClear, 3}, {1, 3}, {kEnd, 3}}, 1, true},
        {"a first pixel without a clear", {{2, 3}, {1, 3}, {kEnd, 3}}, 2, true},
        {"data that ends before the last pixel", {{kClear, 3}, {0, 3}}, 100, true},
        {"a code past the next entry", {{kClear, 3}, {0, 3}, {7, 3}, {kEnd, 3}}, 3, false},
        {"a first code that is an entry", {{kClear, 3}, {6, 3}, {kEnd, 3}}, 2, false},
        {"a first code that ends the image", {{kClear, 3}, {kEnd, 3}, {0, 3}}, 1, false},
        {"a clear straight after a later clear", {{kClear, 3}, {0, 3}, {kClear, 3}, {kClear, 3}, {1, 3}}, 3, false},
        {"a bad code after the last pixel is never read",
         {{kClear, 3}, {0, 3}, {6, 3}, {7, 3}, {8, 4}, {15, 4}}, 10, true},
        {"the same bad code before it", {{kClear, 3}, {0, 3}, {6, 3}, {7, 3}, {8, 4}, {15, 4}}, 11, false},
    };
    for (const Case& c : cases) EXPECT_EQ(gifCodesSound(imageData(c.codes), 0, c.pixels), c.sound) << c.name;
}

// A 10 x 1 GIF of red (colour 0) from the codes above.
ByteVector tenRedPixels() {
    ByteVector file = {'G', 'I', 'F', '8', '9', 'a', 10, 0, 1, 0, 0x80, 0, 0, 255, 0, 0, 0, 0, 0};
    file.insert(file.end(), {0x2C, 0, 0, 0, 0, 10, 0, 1, 0, 0});
    const ByteVector data = imageData(kTenPixels);
    file.insert(file.end(), data.begin(), data.end());
    file.push_back(0x3B);
    return file;
}

TEST(GifCodes, AGifTheDecoderCanFollowLoads) {
    test::ScratchFolder folder;
    test::ScratchFolder::write("red.gif", tenRedPixels());
    ASSERT_EQ(loadChartPicture(30, "red.gif", 256, 256), 1);
    const Surface* slot = slotSurface(30);
    ASSERT_NE(slot, nullptr);
    const int left = kChartPictureSize / 2 - 5;  // a narrow picture is centred
    EXPECT_EQ(slot->at(left, 0), rgb(255, 0, 0));
    EXPECT_EQ(slot->at(left + 9, 0), rgb(255, 0, 0));
    EXPECT_EQ(slot->at(left + 10, 0), rgb(0, 0, 0));
    releaseSlots(30, 30);
}

// Found by fuzzing: 48 bytes whose codes run past the table crashed the
// decoder inside the system library.
TEST(GifCodes, AGifWithCodesPastTheTableIsAFailedLoad) {
    test::ScratchFolder folder;
    const ByteVector file = {
        'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0x0F, 0, 0xFF, 0x29, 0xFF, 0, 0, 0,  // screen, colours
        0x2C, 0, 0, 0, 0x61, 0, 3, 3, 3, 3,  // an image of 768 x 771 at row 24832
        3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 0x0B, 3, 3, 3, 0, 0, 0x3B};  // code size 3, its codes
    test::ScratchFolder::write("loop.gif", file);
    EXPECT_EQ(loadChartPicture(30, "loop.gif", 256, 256), 0);
    EXPECT_EQ(slotSurface(30), nullptr);
}

}  // namespace
}  // namespace kv
