#include "media/gfx/sprite_tables.h"

namespace kv {
namespace {

constexpr Rect cell(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

// `count` cells of one size in a row, left edges growing by `pitch`.
template <std::size_t N>
constexpr int putRow(std::array<Rect, N>& table, int index, int count, int left, int top, int width, int height,
                     int pitch) {
    for (int i = 0; i < count; ++i) table[index + i] = cell(left + i * pitch, top, width, height);
    return index + count;
}

// Large glyphs wrap to the next row as soon as the next left edge would pass 630.
constexpr int putLargeGlyphs(std::array<Rect, kFontCellCount>& table, int index, int top) {
    int left = 1;
    for (int i = 0; i < 64; ++i) {
        table[index + i] = cell(left, top, 11, 15);
        left += 12;
        if (left > 630) left = 1, top += 16;
    }
    return index + 64;
}

constexpr std::array<Rect, kFontCellCount> makeFontTable() {
    std::array<Rect, kFontCellCount> t{};
    int i = putLargeGlyphs(t, 0, 1);
    i = putLargeGlyphs(t, i, 33);
    i = putRow(t, i, 36, 1, 65, 7, 7, 8);
    i = putRow(t, i, 36, 1, 73, 7, 7, 8);
    i = putRow(t, i, 10, 1, 81, 15, 24, 17);
    i = putRow(t, i, 10, 1, 106, 23, 32, 25);
    i = putRow(t, i, 8, 1, 139, 64, 64, 65);
    t[i++] = cell(289, 65, 7, 7);
    t[i++] = cell(289, 73, 7, 7);
    t[i++] = cell(133, 17, 11, 15);
    for (int top : {137, 135, 133, 131}) t[i++] = cell(251, top, 17, 1);
    return t;
}

constexpr std::array<Rect, kMenuCellCount> makeMenuTable() {
    std::array<Rect, kMenuCellCount> t{};
    int i = putRow(t, 0, 6, 1, 1, 95, 95, 97);
    t[i++] = Rect{};  // never filled: the select screen's cells start at 7
    i = putRow(t, i, 10, 1, 98, 48, 32, 49);
    i = putRow(t, i, 8, 1, 131, 48, 32, 49);
    i = putRow(t, i, 4, 1, 164, 72, 24, 73);
    i = putRow(t, i, 4, 1, 189, 72, 24, 73);
    t[i++] = cell(1, 214, 192, 14);
    t[i++] = cell(1, 229, 70, 23);
    i = putRow(t, i, 5, 73, 229, 24, 23, 25);
    for (int top : {255, 296}) t[i++] = cell(1, top, 215, 40);
    for (int top : {214, 255, 296}) t[i++] = cell(217, top, 215, 40);
    for (int top : {164, 189}) t[i++] = cell(293, top, 216, 24);
    t[i++] = cell(393, 131, 18, 20);
    t[i++] = cell(412, 131, 37, 20);
    t[i++] = cell(450, 131, 18, 20);
    t[i++] = cell(469, 131, 37, 20);
    t[i++] = cell(491, 98, 25, 20);
    return t;
}

constexpr std::array<Rect, kBoardCellCount> makeBoardTable() {
    std::array<Rect, kBoardCellCount> t{};
    t[0] = cell(0, 0, 298, 20);
    t[1] = cell(0, 21, 298, 47);
    t[2] = cell(0, 69, 640, 20);
    t[3] = cell(0, 90, 640, 47);
    int i = putRow(t, 4, 3, 299, 0, 13, 20, 14);
    i = putRow(t, i, 3, 299, 21, 13, 20, 14);
    i = putRow(t, i, 11, 0, 138, 12, 16, 13);
    i = putRow(t, i, 10, 143, 138, 17, 24, 19);
    t[i++] = cell(333, 138, 62, 24);
    for (int column = 0; column < 5; ++column)
        for (int row = 0; row < 4; ++row) t[i++] = cell(126 * column, 163 + 33 * row, 125, 32);
    t[i++] = cell(0, 295, 125, 32);
    t[i++] = cell(126, 295, 125, 32);
    i = putRow(t, i, 6, 0, 328, 63, 63, 64);
    i = putRow(t, i, 6, 0, 392, 63, 63, 64);
    t[i++] = cell(252, 295, 125, 32);
    t[i++] = cell(378, 295, 125, 32);
    t[i++] = cell(504, 295, 62, 61);
    t[i++] = cell(567, 295, 62, 61);
    t[i++] = cell(384, 352, 87, 103);
    for (int k = 0; k < 5; ++k) t[i++] = cell(472, 367 + 17 * k, 35, 17);
    return t;
}

}  // namespace

const std::array<Rect, kFontCellCount> fontTable = makeFontTable();
const std::array<Rect, kMenuCellCount> menuTable = makeMenuTable();
const std::array<Rect, kBoardCellCount> boardTable = makeBoardTable();

}  // namespace kv
