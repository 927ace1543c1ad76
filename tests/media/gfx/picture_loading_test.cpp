// Filling slots from files: screen pictures, ".pic" sheets, and the chart
// picture rule (at least 256 x 256, growing, centred across 256).
#include <gtest/gtest.h>

#include "media/gfx/bmp_file.h"
#include "media/gfx/display.h"
#include "media/gfx/pic_file.h"
#include "media/gfx/picture_loading.h"
#include "media/gfx/skin.h"
#include "platform/files.h"
#include "platform/image_codec.h"
#include "scratch_folder.h"

namespace kv {
namespace {

using test::ScratchFolder;

constexpr Pixel kPaint = rgb(200, 40, 90);
constexpr Pixel kOld = rgb(1, 2, 3);

Surface solid(int width, int height, Pixel colour = kPaint) {
    Surface s(width, height);
    std::fill(s.pixels.begin(), s.pixels.end(), colour);
    return s;
}

struct ChartPictureCase {
    int width, height;
    int slotWidth, slotHeight;
    int left;  // where the picture lands
};

TEST(ChartPicture, SlotGrowsAndNarrowPicturesAreCentred) {
    ScratchFolder folder;
    const ChartPictureCase cases[] = {
        {200, 300, 256, 300, 28},
        {300, 100, 300, 256, 0},
        {100, 100, 256, 256, 78},
        {256, 256, 256, 256, 0},
        {640, 480, 640, 480, 0},
    };
    for (const ChartPictureCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        ScratchFolder::write("pic.bmp", writeBmp(solid(c.width, c.height)));
        ASSERT_EQ(loadChartPicture(20, "pic.bmp", 256, 256), 1);
        const Surface* slot = slotSurface(20);
        ASSERT_NE(slot, nullptr);
        EXPECT_EQ(slot->width, c.slotWidth);
        EXPECT_EQ(slot->height, c.slotHeight);
        EXPECT_EQ(slot->colourKey, 0u);
        EXPECT_EQ(slot->at(c.left, 0), kPaint);
        EXPECT_EQ(slot->at(c.left + c.width - 1, c.height - 1), kPaint);
        if (c.left > 0) {
            EXPECT_EQ(slot->at(c.left - 1, 0), 0u);
        }
        if (c.height < c.slotHeight) {
            EXPECT_EQ(slot->at(c.left, c.height), 0u) << "never centred vertically";
        }
    }
}

TEST(ChartPicture, FindsTheFileUnderAnotherCaseOrExtension) {
    ScratchFolder folder;
    ScratchFolder::write("Stage.BMP", writeBmp(solid(8, 8)));
    ASSERT_TRUE(platform::savePng("back.png", solid(16, 4, rgb(10, 200, 30))));
    EXPECT_EQ(loadChartPicture(21, "stage.bmp", 256, 256), 1);
    ASSERT_EQ(loadChartPicture(22, "BACK.bmp", 256, 256), 1);
    EXPECT_EQ(slotSurface(22)->at(120, 0), rgb(10, 200, 30));
}

// Charts name their pictures in Shift-JIS; the files may carry the names
// as Unicode, and often another extension.
TEST(ChartPicture, FindsUnicodeNamedFilesUnderTheChartsSpelling) {
    const std::string backdrop = "\x94\x77\x8c\x69";  // 背景 in CP932
    struct Case {
        std::string written;
        const char* onDisk;
    };
    const Case cases[] = {
        {"背景.bmp", "背景.bmp"},
        {backdrop + ".bmp", "背景.bmp"},
        {backdrop + ".bmp", "背景.png"},
        {"\x8b\xc8\\" + backdrop + ".BMP", "曲/背景.png"},  // 曲\背景.BMP
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.onDisk);
        ScratchFolder folder;
        ASSERT_TRUE(platform::makeDirectory("曲"));
        ASSERT_TRUE(platform::savePng(c.onDisk, solid(16, 4, rgb(10, 200, 30))));
        ASSERT_EQ(loadChartPicture(24, c.written, 256, 256), 1);
        EXPECT_EQ(slotSurface(24)->at(120, 0), rgb(10, 200, 30));
    }
}

TEST(ChartPicture, MissingOrUnreadableFileLeavesTheSlotFree) {
    ScratchFolder folder;
    ScratchFolder::write("broken.bmp", std::string("BM not really"));
    // /proc/self/mem opens like a file but refuses every read at its start.
    for (const char* name : {"absent.bmp", "broken.bmp", "/proc/self/mem"}) {
        SCOPED_TRACE(name);
        createSlot(23, 4, 4, 0);
        EXPECT_EQ(loadChartPicture(23, name, 256, 256), 0);
        EXPECT_EQ(slotSurface(23), nullptr);
    }
}

class ScreenPicture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(createSlot(0, 640, 480, 0), 1);
        std::fill(slotSurface(0)->pixels.begin(), slotSurface(0)->pixels.end(), kOld);
    }
    ScratchFolder folder;
};

TEST_F(ScreenPicture, SheetIsCopiedOneToOneFromTheTopLeft) {
    Surface sheet = solid(700, 400);
    sheet.row(399)[639] = rgb(9, 9, 9);
    ScratchFolder::write("kv2title.pic", writePic(sheet));
    ASSERT_EQ(loadPicture(0, "kv2title.pic"), 1);
    const Surface& slot = *slotSurface(0);
    EXPECT_EQ(slot.at(0, 0), kPaint);
    EXPECT_EQ(slot.at(639, 399), rgb(9, 9, 9));
    EXPECT_EQ(slot.at(320, 400), kOld) << "below a smaller picture the slot keeps its pixels";
}

TEST_F(ScreenPicture, BmpMerelyNamedPicStillLoads) {
    ScratchFolder::write("kv2font.pic", writeBmp(solid(10, 10)));
    EXPECT_EQ(loadPicture(0, "kv2font.pic"), 1);
    EXPECT_EQ(slotSurface(0)->at(9, 9), kPaint);
}

TEST_F(ScreenPicture, DamagedOrMissingFilesFailAndKeepThePicture) {
    std::vector<std::uint8_t> damaged = writePic(solid(64, 64));
    damaged.resize(damaged.size() / 2);
    ScratchFolder::write("damaged.pic", damaged);
    for (const char* name : {"damaged.pic", "missing.pic", "missing.bmp", "/proc/self/mem"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(loadPicture(0, name), 0);
        EXPECT_EQ(slotSurface(0)->at(0, 0), kOld);
    }
    EXPECT_EQ(loadPicture(200, "damaged.pic"), 0) << "slot not in use";
}

TEST_F(ScreenPicture, ASkinSheetThatFailsLeavesItsSlotBlackNotTheScreenBefore) {
    for (const char* name : {"missing.pic", "missing.bmp", "/proc/self/mem"}) {
        SCOPED_TRACE(name);
        std::fill(slotSurface(0)->pixels.begin(), slotSurface(0)->pixels.end(), kOld);
        EXPECT_EQ(loadSkinSheet(0, name), 0);
        EXPECT_EQ(slotSurface(0)->pixels, std::vector<Pixel>(640 * 480, 0));
    }
    ScratchFolder::write("kv2board.pic", writePic(solid(640, 480)));
    EXPECT_EQ(loadSkinSheet(0, "kv2board.pic"), 1);
    EXPECT_EQ(slotSurface(0)->at(639, 479), kPaint);
}

TEST(BitmapToSlot, ScalesTheSourceRectangleOntoTheWholeTarget) {
    Surface bitmap(2, 2);
    bitmap.pixels = {1, 2, 3, 4};
    Surface target(4, 4, 0);
    bitmapToSlot(target, bitmap, 0, 0, 0, 0);  // 0 = the bitmap's own size: doubled
    EXPECT_EQ(target.pixels, (std::vector<Pixel>{1, 1, 2, 2, 1, 1, 2, 2, 3, 3, 4, 4, 3, 3, 4, 4}));
}

}  // namespace
}  // namespace kv
