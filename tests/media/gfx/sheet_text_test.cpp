// Text and numbers from the FONT sheet, checked by the pixels they leave on
// the back surface. Every glyph cell of the test sheet is painted in a
// colour that names its index, so a pixel tells which cell was drawn.
#include <gtest/gtest.h>

#include "media/gfx/display.h"
#include "media/gfx/sheet_text.h"
#include "media/gfx/sprite_tables.h"

namespace kv {
namespace {

Pixel cellColour(int index) { return rgb(1, index >> 8, index & 255); }
int cellAt(int x, int y) {
    const Pixel p = display.back.at(x, y);
    return p == 0 ? -1 : int(p & 0xFFFF);
}

class SheetText : public ::testing::Test {
protected:
    void SetUp() override {
        display.back = Surface(640, 480);
        ASSERT_EQ(createSlot(kFontSlot, 640, 480, 0), 1);
        Surface& sheet = *slotSurface(kFontSlot);
        for (int i = 0; i < kFontCellCount; ++i) {
            const Rect& r = fontTable[i];
            for (int y = r.top; y < r.bottom; ++y)
                for (int x = r.left; x < r.right; ++x) sheet.row(y)[x] = cellColour(i);
        }
    }
};

TEST_F(SheetText, LargeTextMapsCharactersToTheirColourSets) {
    struct Case {
        const char* text;
        int colourSet;
        std::vector<int> cells;  // per character, -1 = nothing drawn
    };
    const Case cases[] = {
        {"A A", 0, {32, -1, 32}},  // a blank still advances 12 pixels
        {"A A", 1, {96, -1, 96}},
        {"aA", 0, {96, 32}},       // lower case shows the capital of the other set
        {"aA", 1, {32, 96}},
        {"!^_`{", 0, {0, 61, -1, -1, -1}},
        {"!^", 1, {64, 125}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " set " + std::to_string(c.colourSet));
        display.back = Surface(640, 480);
        drawLargeText(100, 50, c.text, c.colourSet);
        for (std::size_t i = 0; i < c.cells.size(); ++i) {
            EXPECT_EQ(cellAt(100 + 12 * int(i), 50), c.cells[i]) << i;
            EXPECT_EQ(cellAt(100 + 12 * int(i) + 10, 64), c.cells[i]) << i;
        }
    }
}

TEST_F(SheetText, SmallTextUsesItsRowAndTheOtherForLowerCase) {
    drawSmallText(0, 0, "09AZaz. #", true);
    const std::vector<int> row1 = {128, 137, 138, 163, 174, 199, 228, -1, -1};
    for (std::size_t i = 0; i < row1.size(); ++i) EXPECT_EQ(cellAt(8 * int(i), 0), row1[i]) << i;
    drawSmallText(0, 20, "5Ma.", false);
    const std::vector<int> row2 = {169, 186, 138, 229};
    for (std::size_t i = 0; i < row2.size(); ++i) EXPECT_EQ(cellAt(8 * int(i), 20), row2[i]) << i;
}

TEST_F(SheetText, MediumNumbersAreRightAlignedInTheirWidth) {
    drawNumber(0, 100, 42, 13, 3);
    EXPECT_EQ(cellAt(0, 100), -1);
    EXPECT_EQ(cellAt(16, 100), 204);
    EXPECT_EQ(cellAt(32, 100), 202);
    drawNumber(0, 200, 1234, 20, 5);
    EXPECT_EQ(cellAt(16, 200), 201);
    EXPECT_EQ(cellAt(64, 223), 204);
    drawNumber(0, 300, 98765, 13, 2);  // only the first two characters show
    EXPECT_EQ(cellAt(16, 300), 208);
    EXPECT_EQ(cellAt(32, 300), -1);
}

TEST_F(SheetText, PopUpStretchesDigitsAroundTheirMiddle) {
    drawNumber(0, 100, 7, 4, 3);  // rows 108..115, 16 wide
    EXPECT_EQ(cellAt(32, 107), -1);
    EXPECT_EQ(cellAt(32, 108), 207);
    EXPECT_EQ(cellAt(47, 115), 207);
    EXPECT_EQ(cellAt(32, 116), -1);
    drawNumber(0, 200, 7, 0, 3);
    drawNumber(0, 200, 7, -3, 3);
    for (int y = 190; y < 230; ++y) EXPECT_EQ(cellAt(40, y), -1) << y;
}

TEST_F(SheetText, LargeNumbersPopAroundRowSixteen) {
    drawLargeNumber(0, 100, 5, 17);  // plain: 23 x 32 at the seventh place
    EXPECT_EQ(cellAt(144, 100), 215);
    EXPECT_EQ(cellAt(166, 131), 215);
    EXPECT_EQ(cellAt(120, 100), -1);
    drawLargeNumber(0, 300, 5, 2);  // rows 314..317, 24 wide
    EXPECT_EQ(cellAt(144, 313), -1);
    EXPECT_EQ(cellAt(167, 314), 215);
    EXPECT_EQ(cellAt(144, 318), -1);
    drawLargeNumber(0, 400, 5, 0);
    EXPECT_EQ(cellAt(150, 416), -1);
}

}  // namespace
}  // namespace kv
