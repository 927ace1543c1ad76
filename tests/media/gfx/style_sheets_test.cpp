// Play-style sheet tables: fixed cells where every skin has them, and no
// two cells of a sheet overlapping (the generator paints each on its own),
// except the nested frames of one key-press beam.
#include <gtest/gtest.h>

#include <span>
#include <string>

#include "media/gfx/style_sheets.h"

namespace kv {
namespace {

bool overlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

int beamSet(int index) { return index >= kBemusicBeams && index < kBemusicBeams + 12 ? (index - kBemusicBeams) / 3 : -1; }

void checkSheet(std::span<const Rect> sheet, const std::string& name, bool hasBeams) {
    for (int i = 0; i < int(sheet.size()); ++i) {
        SCOPED_TRACE(name + " " + std::to_string(i));
        const Rect& r = sheet[i];
        EXPECT_GT(r.width(), 0);
        EXPECT_GT(r.height(), 0);
        EXPECT_GE(r.left, 0);
        EXPECT_GE(r.top, 0);
        EXPECT_LE(r.right, 640);
        EXPECT_LE(r.bottom, 480);
        for (int j = i + 1; j < int(sheet.size()); ++j) {
            if (hasBeams && beamSet(i) >= 0 && beamSet(i) == beamSet(j)) continue;
            EXPECT_FALSE(overlap(r, sheet[j])) << "overlaps " << j;
        }
    }
}

TEST(StyleSheets, CellsLieOnTheSheetWithoutOverlapping) {
    checkSheet(bemusicSheet, "bemusic", true);
    checkSheet(scanSheet, "scan", false);
    checkSheet(waveSheet, "wave", false);
    checkSheet(bonusSheet, "bonus", false);
}

TEST(StyleSheets, FixedCellsSitWhereSkinsPutThem) {
    struct Case {
        const Rect& cell;
        Rect expected;
    };
    const Case cases[] = {
        {bemusicSheet[5], {111, 0, 132, 30}},
        {bemusicSheet[9], {107, 31, 123, 61}},
        {bemusicSheet[kBemusicNotes + 4 * 3 + 2], {104, 123, 137, 137}},
        {bemusicSheet[kBemusicReplayMarks + 5 * 2 + 5], {84, 213, 117, 227}},
        {bemusicSheet[44], {0, 414, 324, 415}},
        {bemusicSheet[59], {266, 0, 299, 378}},
        {bemusicSheet[61], {48, 236, 82, 266}},
        {scanSheet[48], {490, 112, 639, 213}},
        {waveSheet[6], {228, 0, 265, 37}},
        {bonusSheet[0], {0, 0, 320, 413}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.cell.left, c.expected.left);
        EXPECT_EQ(c.cell.top, c.expected.top);
        EXPECT_EQ(c.cell.right, c.expected.right);
        EXPECT_EQ(c.cell.bottom, c.expected.bottom);
    }
}

}  // namespace
}  // namespace kv
