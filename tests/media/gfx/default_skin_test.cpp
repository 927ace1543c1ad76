// The default skin the build draws: every sheet readable, a picture in
// every cell the tables name, transparency exactly black and opaque pixels
// never dark enough to turn transparent in a 16-bit display mode.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <span>
#include <string>

#include "media/gfx/bmp_file.h"
#include "media/gfx/display.h"
#include "media/gfx/pic_file.h"
#include "media/gfx/picture_loading.h"
#include "media/gfx/skin.h"
#include "media/gfx/sprite_tables.h"
#include "media/gfx/style_sheets.h"

namespace kv {
namespace {

Surface readSheet(const std::string& name) {
    std::ifstream file(std::string(KV_HOME) + "/" + name, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    Surface sheet;
    EXPECT_TRUE(name.ends_with(".bmp") ? readBmp(bytes, sheet) : readPic(bytes, sheet)) << name;
    return sheet;
}

// Black in RGB 5-6-5 as well: all of red and blue's top five bits and green's top six are zero.
bool turnsBlackIn16Bit(Pixel p) { return (p >> 19 & 31) == 0 && (p >> 10 & 63) == 0 && (p >> 3 & 31) == 0; }

bool hasPicture(const Surface& sheet, const Rect& cell) {
    for (int y = cell.top; y < cell.bottom; ++y)
        for (int x = cell.left; x < cell.right; ++x)
            if (sheet.at(x, y) != 0) return true;
    return false;
}

void expectCellsDrawn(const Surface& sheet, std::span<const Rect> cells, const std::string& name,
                      std::initializer_list<int> empty) {
    for (int i = 0; i < int(cells.size()); ++i) {
        if (std::find(empty.begin(), empty.end(), i) != empty.end()) continue;
        EXPECT_TRUE(hasPicture(sheet, cells[i])) << name << " cell " << i;
    }
}

TEST(DefaultSkin, EverySheetIsScreenSizedAndKeyedCleanly) {
    for (const char* name : {"kv2title.pic", "kv2font.pic", "kv2font2.pic", "kv2board.pic", "kv2-sc-b.pic",
                             "kv2-sc-u.pic", "kv2-sc-s.pic", "kv2-sc-w.pic", "kv2-sc-x.pic", "kv2select.pic",
                             "kv2result.pic", "kv2result2.pic", "kv2listen.pic", "kv2load.pic", "kv2backgr.bmp"}) {
        SCOPED_TRACE(name);
        const Surface sheet = readSheet(name);
        EXPECT_EQ(sheet.width, 640);
        EXPECT_EQ(sheet.height, 480);
        int nearBlack = 0;
        for (Pixel p : sheet.pixels) nearBlack += p != 0 && turnsBlackIn16Bit(p);
        EXPECT_EQ(nearBlack, 0);
    }
}

TEST(DefaultSkin, EveryTableCellHasItsPicture) {
    expectCellsDrawn(readSheet("kv2font.pic"), fontTable, "font", {});
    expectCellsDrawn(readSheet("kv2font2.pic"), menuTable, "menu", {kEmptyMenuCell});
    expectCellsDrawn(readSheet("kv2board.pic"), boardTable, "board", {20});  // 20 is the blank digit
    expectCellsDrawn(readSheet("kv2-sc-b.pic"), bemusicSheet, "bemusic", {});
    expectCellsDrawn(readSheet("kv2-sc-u.pic"), bemusicSheet, "upway", {});
    expectCellsDrawn(readSheet("kv2-sc-s.pic"), scanSheet, "scan", {});
    expectCellsDrawn(readSheet("kv2-sc-w.pic"), waveSheet, "wave", {});
    expectCellsDrawn(readSheet("kv2-sc-x.pic"), bonusSheet, "bonus", {});
}

TEST(DefaultSkin, BackdropsAreOpaqueEverywhere) {
    for (const char* name : {"kv2title.pic", "kv2select.pic", "kv2result.pic", "kv2backgr.bmp"}) {
        const Surface sheet = readSheet(name);
        EXPECT_EQ(std::count(sheet.pixels.begin(), sheet.pixels.end(), Pixel(0)), 0) << name;
    }
}

// WCAG relative luminance and contrast ratio of two colours.
double luminance(Pixel p) {
    auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(p >> 16 & 255) + 0.7152 * channel(p >> 8 & 255) + 0.0722 * channel(p & 255);
}
double contrast(Pixel a, Pixel b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST(DefaultSkin, EveryListColourReadsOnTheCursorBar) {
    ASSERT_EQ(readSkin(std::string(KV_HOME) + "/" + kDefaultSkinFile), 1);
    const Surface menu = readSheet("kv2font2.pic");
    const Rect& bar = menuTable[33];
    for (Pixel text : {skin.FONTCOLOR, skin.COMCOLOR, skin.CLEARCOLOR}) {
        double worst = 100;
        for (int y = bar.top + 2; y < bar.bottom - 2; ++y)  // inside the rounded edge
            for (int x = bar.left + 2; x < bar.right - 2; ++x) worst = std::min(worst, contrast(text, menu.at(x, y)));
        EXPECT_GE(worst, 4.5) << std::hex << text;
    }
}

// Bright label ink left of the figures, row by row (the night sky behind is dark).
int brightPixels(const Surface& sheet, Rect area) {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) count += luminance(sheet.at(x, y)) > 0.5;
    return count;
}

TEST(DefaultSkin, BothResultPicturesNameEveryFigureRow) {
    struct Sheet {
        const char* name;
        std::vector<int> rowTops;  // the figures' rows, 24 pixels tall
    };
    const Sheet sheets[] = {
        {"kv2result.pic", {96, 144, 176, 208, 240, 272, 320, 360, 412}},
        {"kv2result2.pic", {104, 128, 152, 176, 200, 224, 256, 297, 341}},
    };
    for (const Sheet& sheet : sheets) {
        const Surface picture = readSheet(sheet.name);
        for (int top : sheet.rowTops)
            EXPECT_GT(brightPixels(picture, Rect{18, top, 100, top + 24}), 15) << sheet.name << " row " << top;
    }
}

TEST(LogoResource, IsCompiledIntoTheProgram) {
    ASSERT_EQ(createSlot(3, 640, 480, 0), 1);
    ASSERT_EQ(loadResourcePicture(3, "LOGOBITMAP", 10, 20), 1);
    const Surface& slot = *slotSurface(3);
    int opaque = 0;
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) {
            const bool insideLogo = x >= 10 && x < 10 + 353 && y >= 20 && y < 20 + 145;
            if (!insideLogo) {
                ASSERT_EQ(slot.at(x, y), 0u) << x << "," << y;
            } else if (slot.at(x, y) != 0) {
                ++opaque;
                EXPECT_FALSE(turnsBlackIn16Bit(slot.at(x, y)));
            }
        }
    EXPECT_GT(opaque, 353 * 145 / 5);
    EXPECT_EQ(loadResourcePicture(3, "NOSUCHBITMAP", 0, 0), 0);
}

}  // namespace
}  // namespace kv
