// Pictures larger than the game can show are refused from their declared
// size, before any pixel memory is taken: a file of a few bytes can declare
// a picture of gigabytes.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "media/gfx/bmp_file.h"
#include "media/gfx/display.h"
#include "media/gfx/picture_limits.h"
#include "media/gfx/picture_loading.h"
#include "platform/image_codec.h"
#include "scratch_folder.h"

namespace kv {
namespace {

using ByteVector = std::vector<std::uint8_t>;
using test::ScratchFolder;

void putBe(ByteVector& out, std::uint32_t value) {
    for (int i = 3; i >= 0; --i) out.push_back(std::uint8_t(value >> (8 * i)));
}
void putLe(ByteVector& out, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) out.push_back(std::uint8_t(value >> (8 * i)));
}

// A PNG signature and header chunk and nothing else: enough to declare a size.
ByteVector pngHeader(std::uint32_t width, std::uint32_t height) {
    ByteVector file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    putBe(file, width);
    putBe(file, height);
    for (std::uint8_t b : {8, 2, 0, 0, 0, 0, 0, 0, 0}) file.push_back(b);
    return file;
}

// A one-colour GIF whose screen is 1 x 1 and whose image declares its own size.
ByteVector gif(int imageWidth, int imageHeight) {
    ByteVector file = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0, 0, 0, 255, 255, 255};
    file.insert(file.end(), {0x21, 0xF9, 4, 0, 0, 0, 0, 0});  // graphic control extension
    file.push_back(0x2C);
    putLe(file, 0, 2), putLe(file, 0, 2), putLe(file, std::uint32_t(imageWidth), 2);
    putLe(file, std::uint32_t(imageHeight), 2);
    file.insert(file.end(), {0, 2, 2, 0x44, 0x01, 0, 0x3B});
    return file;
}

// Found by fuzzing: the decoder gives up on an image whose code size it
// refuses and takes whatever image-like bytes come after it, here one far
// wider than the screen and the first image declare.
ByteVector gifWithLaterImage(std::uint8_t firstCodeSize, int laterWidth, int firstWidth = 4,
                             std::uint8_t firstDataLength = 2) {
    ByteVector file = gif(firstWidth, 4);
    file.pop_back();  // the trailer
    file[file.size() - 5] = firstCodeSize;
    file[file.size() - 4] = firstDataLength;
    file.push_back(0x2C);
    putLe(file, 0, 2), putLe(file, 0, 2), putLe(file, std::uint32_t(laterWidth), 2), putLe(file, 1, 2);
    file.insert(file.end(), {0, 2, 2, 0x44, 0x01, 0, 0x3B});
    return file;
}

// An 8-bit run-length BMP of any declared size whose data ends at once.
ByteVector runLengthBmp(int width, int height) {
    ByteVector info;
    for (std::uint32_t v : {40u, std::uint32_t(width), std::uint32_t(height)}) putLe(info, v, 4);
    putLe(info, 1, 2), putLe(info, 8, 2), putLe(info, 1, 4), putLe(info, 2, 4);
    for (std::uint32_t v : {0u, 0u, 1u, 0u}) putLe(info, v, 4);  // one colour in the table
    putLe(info, 0, 4);
    ByteVector file = {'B', 'M'};
    putLe(file, std::uint32_t(14 + info.size() + 2), 4), putLe(file, 0, 4), putLe(file, 14 + 44, 4);
    file.insert(file.end(), info.begin(), info.end());
    file.insert(file.end(), {0, 1});  // end of picture
    return file;
}

TEST(PictureSizeLimit, HeadersTellTheirFormatAndDeclaredSize) {
    using platform::ImageFormat;
    struct Case {
        const char* name;
        ByteVector file;
        std::optional<DeclaredPicture> declared;
    };
    ByteVector jpeg = {0xFF, 0xD8, 0xFF, 0xE0, 0, 4, 0, 0, 0xFF, 0xC2, 0, 11, 8};
    putLe(jpeg, 0x3075, 2), putLe(jpeg, 0x1027, 2);  // height 30000, width 10000 (big-endian)
    const ByteVector png = pngHeader(1, 1);
    const Case cases[] = {
        {"png", pngHeader(30000, 20), DeclaredPicture{ImageFormat::Png, 30000, 20}},
        {"gif image larger than its screen", gif(5000, 3), DeclaredPicture{ImageFormat::Gif, 5000, 3}},
        {"gif whose second image is the largest", gifWithLaterImage(2, 6000), DeclaredPicture{ImageFormat::Gif, 6000, 4}},
        {"gif image with a code size the decoder refuses", gifWithLaterImage(0x80, 12289), std::nullopt},
        // Also found by fuzzing: the decoder hunts past these first images too.
        {"gif image of no width before a wider one", gifWithLaterImage(2, 12289, 0), std::nullopt},
        {"gif image data running past the end over a wider image", gifWithLaterImage(2, 12289, 4, 0x77), std::nullopt},
        {"gif with bytes that are no block", {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0, 0x7F}, std::nullopt},
        {"progressive jpeg after an app segment", jpeg, DeclaredPicture{ImageFormat::Jpeg, 10000, 30000}},
        {"png cut short", ByteVector(png.begin(), png.begin() + 20), std::nullopt},
        {"unknown format", {'R', 'I', 'F', 'F', 0, 0, 0, 0}, std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(declaredPicture(c.file), c.declared) << c.name;
}

TEST(PictureSizeLimit, PicturesPastTheLimitAreFailedLoads) {
    ScratchFolder folder;
    ScratchFolder::write("bomb.png", pngHeader(30000, 30000));
    ScratchFolder::write("bomb.gif", gif(30000, 30000));
    ScratchFolder::write("later.gif", gifWithLaterImage(0x80, kMaxPictureSide * 3));
    ScratchFolder::write("bomb.bmp", runLengthBmp(8192, 8192));
    ScratchFolder::write("wide.bmp", runLengthBmp(kMaxPictureSide + 1, 1));
    ScratchFolder::write("tall.bmp", runLengthBmp(1, kMaxPictureSide + 1));
    ASSERT_TRUE(platform::savePng("wide.png", Surface(kMaxPictureSide + 1, 1)));
    for (const char* name : {"bomb.png", "bomb.gif", "later.gif", "bomb.bmp", "wide.bmp", "tall.bmp", "wide.png"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(loadChartPicture(30, name, 256, 256), 0);
        EXPECT_EQ(slotSurface(30), nullptr);
    }
}

// The size checked is the header's; found by fuzzing, the decoder would
// otherwise take a file with a JPEG header for whatever its content looks
// like most, here a drawing, which may declare any size.
TEST(PictureSizeLimit, AFileIsDecodedOnlyAsTheFormatItsHeaderDeclares) {
    ScratchFolder folder;
    // A frame of 257 x 257; no zero byte, which would hide the drawing from the sniffer.
    ByteVector file = {0xFF, 0xD8, 0xFF, 0xC0, 1, 1, 8, 1, 1, 1, 1};
    const std::string drawing = "<svg xmlns='http://www.w3.org/2000/svg' width='8' height='2'>"
                                "<rect width='8' height='2' fill='red'/></svg>";
    file.insert(file.end(), drawing.begin(), drawing.end());
    ScratchFolder::write("drawing.jpg", file);
    EXPECT_EQ(loadChartPicture(30, "drawing.jpg", 256, 256), 0);
    EXPECT_EQ(slotSurface(30), nullptr);
}

TEST(PictureSizeLimit, PicturesAtTheLimitStillLoad) {
    ScratchFolder folder;
    ScratchFolder::write("wide.bmp", runLengthBmp(kMaxPictureSide, 1));
    ASSERT_TRUE(platform::savePng("tall.png", Surface(1, kMaxPictureSide)));
    EXPECT_EQ(loadChartPicture(31, "wide.bmp", 256, 256), 1);
    EXPECT_EQ(slotSurface(31)->width, kMaxPictureSide);
    EXPECT_EQ(loadChartPicture(32, "tall.png", 256, 256), 1);
    EXPECT_EQ(slotSurface(32)->height, kMaxPictureSide);
    releaseSlots(31, 32);
}

}  // namespace
}  // namespace kv
