// Draws the default sheets the way the screens do and keeps the frames as
// PNG files (build/home/../gfx-showcase/) to look at: every cell of the
// three tables over a checkerboard, then sheet text, numbers with pop-up
// and system-font text cut and squeezed, in Japanese and Korean too.
#include <gtest/gtest.h>

#include <filesystem>
#include <span>

#include "media/gfx/blit.h"
#include "media/gfx/display.h"
#include "media/gfx/picture_loading.h"
#include "media/gfx/sheet_text.h"
#include "media/gfx/sprite_tables.h"
#include "media/gfx/system_text.h"
#include "platform/image_codec.h"

namespace kv {
namespace {

const std::filesystem::path kShots = std::filesystem::path(KV_HOME) / ".." / "gfx-showcase";

class Showcase : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(kShots);
        display.back = Surface(640, 480);
        for (int slot : {1, 2, 3}) ASSERT_EQ(createSlot(slot, 640, 480, 0), 1);
        ASSERT_EQ(loadPicture(1, std::string(KV_HOME) + "/kv2font.pic"), 1);
        ASSERT_EQ(loadPicture(2, std::string(KV_HOME) + "/kv2font2.pic"), 1);
        ASSERT_EQ(loadPicture(3, std::string(KV_HOME) + "/kv2board.pic"), 1);
    }

    static void checkerboard() {
        for (int y = 0; y < 480; ++y)
            for (int x = 0; x < 640; ++x) display.back.row(y)[x] = ((x / 8 + y / 8) % 2) ? rgb(70, 70, 80) : rgb(110, 110, 120);
    }

    static void save(const char* name) { ASSERT_TRUE(platform::savePng((kShots / name).string(), display.back)); }
};

TEST_F(Showcase, EveryCellOfTheThreeTables) {
    struct Table {
        const char* shot;
        int slot;
        std::span<const Rect> cells;
    };
    const Table tables[] = {{"font-table.png", 1, fontTable}, {"menu-table.png", 2, menuTable}, {"board-table.png", 3, boardTable}};
    for (const Table& t : tables) {
        checkerboard();
        const Surface before = display.back;
        for (const Rect& cell : t.cells)
            if (cell.width() > 0) drawSpriteKeyed(cell.left, cell.top, &cell, t.slot);
        save(t.shot);
        EXPECT_NE(display.back.pixels, before.pixels) << t.shot;
    }
}

TEST_F(Showcase, TextNumbersAndSystemFonts) {
    display.back = Surface(640, 480);
    fillRect(display.back, nullptr, rgb(20, 24, 60));
    drawLargeText(16, 16, "LARGE TEXT SET A 0123456789", 0);
    drawLargeText(16, 34, "LARGE TEXT SET B !?%+-:", 1);
    drawLargeText(16, 52, "sPEED  X1.5  hIDDEN", 0);
    drawSmallText(16, 74, "SMALL ROW 1 0123456789.", true);
    drawSmallText(16, 84, "SMALL ROW 2 ABCXYZ.", false);
    for (int popup = 0; popup <= 13; ++popup) drawNumber(16 + 44 * popup, 100, popup, popup, 3);
    for (int popup = 1; popup <= 17; popup += 4) drawLargeNumber(16 + 24 * (popup / 2), 140, popup, popup);
    drawLargeNumber(16, 190, 1234567, 17);
    const std::string japanese = "\x96\xE9\x8D\xF7\x82\xCC\x89\xCC Long Night Remix";  // Shift-JIS
    const std::string korean = "\xC7\xD1\xB1\xB9\xBE\xEE \xC1\xA6\xB8\xF1";            // CP949
    const std::string utf8 = "\xE6\x98\x9F\xE3\x81\xAE\xE6\xB5\xB7 (Starsea)";
    drawTextCut(16, 240, 600, japanese, 12, rgb(255, 255, 255), "times new roman");
    drawTextCut(16, 256, 120, japanese, 12, rgb(255, 255, 0), "times new roman");
    drawTextCut(16, 272, 600, korean, 12, rgb(0, 255, 255), "times new roman");
    drawTextSqueezed(16, 292, 600, japanese, 24, rgb(255, 255, 255), "impact", 0, -1);
    drawTextSqueezed(16, 320, 200, japanese, 24, rgb(255, 200, 80), "impact", 0, -1);
    drawTextSqueezed(16, 350, 300, korean, 24, rgb(120, 255, 160), "impact", 2, -1);
    drawTextSqueezed(16, 380, 600, utf8, 64, rgb(255, 120, 220), "impact", 1, -1);
    save("text.png");
    int lit = 0;
    for (Pixel p : display.back.pixels) lit += p != rgb(20, 24, 60);
    EXPECT_GT(lit, 5000);
}

}  // namespace
}  // namespace kv
