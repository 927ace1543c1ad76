// The sprite rectangle tables: the cells every skin must follow.
#include <gtest/gtest.h>

#include "media/gfx/sprite_tables.h"

namespace kv {
namespace {

struct CellCase {
    const char* table;
    int index;
    Rect expected;
};

const Rect& cellOf(const CellCase& c) {
    const std::string name = c.table;
    if (name == "font") return fontTable[c.index];
    if (name == "menu") return menuTable[c.index];
    return boardTable[c.index];
}

Rect at(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

TEST(SpriteTables, CellsSitWhereSkinsPutThem) {
    const CellCase cases[] = {
        {"font", 0, at(1, 1, 11, 15)},
        {"font", 52, at(625, 1, 11, 15)},    // last cell of the first row
        {"font", 53, at(1, 17, 11, 15)},     // wraps back to x = 1
        {"font", 63, at(121, 17, 11, 15)},
        {"font", 64, at(1, 33, 11, 15)},     // set B starts its own row, not after 63
        {"font", 117, at(1, 49, 11, 15)},
        {"font", 127, at(121, 49, 11, 15)},
        {"font", 128, at(1, 65, 7, 7)},
        {"font", 163, at(281, 65, 7, 7)},
        {"font", 199, at(281, 73, 7, 7)},
        {"font", 209, at(154, 81, 15, 24)},
        {"font", 219, at(226, 106, 23, 32)},
        {"font", 227, at(456, 139, 64, 64)},
        {"font", 228, at(289, 65, 7, 7)},
        {"font", 229, at(289, 73, 7, 7)},
        {"font", 230, at(133, 17, 11, 15)},
        {"font", 231, at(251, 137, 17, 1)},
        {"font", 234, at(251, 131, 17, 1)},
        {"menu", 5, at(486, 1, 95, 95)},
        {"menu", 6, Rect{}},
        {"menu", 16, at(442, 98, 48, 32)},
        {"menu", 24, at(344, 131, 48, 32)},
        {"menu", 32, at(220, 189, 72, 24)},
        {"menu", 39, at(173, 229, 24, 23)},
        {"menu", 41, at(1, 296, 215, 40)},
        {"menu", 44, at(217, 296, 215, 40)},
        {"menu", 46, at(293, 189, 216, 24)},
        {"menu", 50, at(469, 131, 37, 20)},
        {"menu", 51, at(491, 98, 25, 20)},
        {"board", 3, at(0, 90, 640, 47)},
        {"board", 9, at(327, 21, 13, 20)},
        {"board", 20, at(130, 138, 12, 16)},
        {"board", 30, at(314, 138, 17, 24)},
        {"board", 31, at(333, 138, 62, 24)},
        {"board", 37, at(126, 196, 125, 32)},  // column 1, row 1
        {"board", 51, at(504, 262, 125, 32)},
        {"board", 53, at(126, 295, 125, 32)},
        {"board", 59, at(320, 328, 63, 63)},
        {"board", 65, at(320, 392, 63, 63)},
        {"board", 67, at(378, 295, 125, 32)},
        {"board", 69, at(567, 295, 62, 61)},
        {"board", 70, at(384, 352, 87, 103)},
        {"board", 75, at(472, 435, 35, 17)},
    };
    for (const CellCase& c : cases) {
        SCOPED_TRACE(std::string(c.table) + " " + std::to_string(c.index));
        const Rect& r = cellOf(c);
        EXPECT_EQ(r.left, c.expected.left);
        EXPECT_EQ(r.top, c.expected.top);
        EXPECT_EQ(r.right, c.expected.right);
        EXPECT_EQ(r.bottom, c.expected.bottom);
    }
}

TEST(SpriteTables, EveryCellButTheEmptyOneLiesOnAScreenSizedSheet) {
    auto check = [](const auto& table, const char* name, int emptyIndex) {
        for (int i = 0; i < int(table.size()); ++i) {
            if (i == emptyIndex) continue;
            SCOPED_TRACE(std::string(name) + " " + std::to_string(i));
            const Rect& r = table[i];
            EXPECT_GT(r.width(), 0);
            EXPECT_GT(r.height(), 0);
            EXPECT_GE(r.left, 0);
            EXPECT_GE(r.top, 0);
            EXPECT_LE(r.right, 640);
            EXPECT_LE(r.bottom, 480);
        }
    };
    check(fontTable, "font", -1);
    check(menuTable, "menu", kEmptyMenuCell);
    check(boardTable, "board", -1);
}

}  // namespace
}  // namespace kv
