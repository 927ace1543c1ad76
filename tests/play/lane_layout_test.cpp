// Lane layout of the lane styles: where lanes, keys, strips and panels sit
// for each style, key mode and lane option, and which sheet cells they use.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "media/gfx/style_sheets.h"
#include "play/lane_layout.h"

namespace kv {
namespace {

struct LayoutCase {
    const char* name;
    int style;
    int keyMode;
    int line;  // 0 HALF, 1 SEPRATE
    int linePos;
    std::vector<int> laneXs;  // lanes 0-15, -1 not shown
    int width;
    int boardLeft;
    int areaLeft;
    int origin;
    int messageX;
    int messageRow;  // -1: taken from MSGPOS
    std::vector<int> keyOrder;
    std::vector<int> stripSprites;  // in placing order
    int countPanelX, countPanelY;
    bool guidePanel;
    int effPos = 0;  // 0 LL, 1 LR, 2 RL, 3 RR
};

class LaneLayoutCases : public testing::TestWithParam<LayoutCase> {};

TEST_P(LaneLayoutCases, PlacesLanesKeysStripsAndPanels) {
    const LayoutCase& c = GetParam();
    PlayConfig config;
    config.style = std::int8_t(c.style);
    config.line = std::int8_t(c.line);
    Settings options;
    options.LINEPOS = std::int8_t(c.linePos);
    options.GUIDE = 0;
    options.EFFPOS = std::int8_t(c.effPos);
    const LaneLayout layout = layoutLanes(config, options, c.keyMode);

    std::vector<int> xs;
    for (const LaneSlot& lane : layout.lanes) xs.push_back(lane.x);
    EXPECT_EQ(xs, c.laneXs);
    EXPECT_EQ(layout.lanesWidth, c.width);
    EXPECT_EQ(layout.boardLeft, c.boardLeft);
    EXPECT_EQ(layout.areaLeft, c.areaLeft);
    EXPECT_EQ(layout.laneOriginX, c.origin);
    EXPECT_EQ(layout.messageX, c.messageX);
    EXPECT_EQ(layout.fixedMessageRow.value_or(-1), c.messageRow);
    EXPECT_EQ(std::vector<int>(layout.keyOrder.begin(), layout.keyOrder.begin() + layout.keyCount), c.keyOrder);
    std::vector<int> strips;
    for (int i = 0; i < layout.stripCount; ++i) strips.push_back(layout.strips[std::size_t(i)].sprite);
    EXPECT_EQ(strips, c.stripSprites);
    EXPECT_EQ(layout.countPanelX, c.countPanelX);
    EXPECT_EQ(layout.countPanelY, c.countPanelY);
    EXPECT_EQ(layout.guidePanel, c.guidePanel);
}

constexpr int N = -1;
INSTANTIATE_TEST_SUITE_P(
    Styles, LaneLayoutCases,
    testing::Values(
        // HALF keys sit 10 apart with half a key more at the end.
        LayoutCase{"BemusicFiveHalfLeft", Bemusic, FiveKeys, 0, 0,
                   {0, 34, 44, 54, 64, 74, N, N, N, N, N, N, N, N, N, N}, 89, 0, 30, 53, 34, N,
                   {0, 1, 3, 5, 2, 4}, {47, 45, 45, 45}, 298, 377, false},
        LayoutCase{"BemusicSevenSeparateMiddle", Bemusic, SevenKeys, 1, 1,
                   {0, 34, 54, 70, 90, 106, 126, 142, N, N, N, N, N, N, N, N}, 162, 171, 297 - 81, 239, 256, N,
                   {0, 1, 3, 5, 7, 2, 4, 6}, {47, 45, 46, 45, 46, 45, 46, 45}, 84, 377, false},
        // EFFPOS: each side's turntable before (L) or after (R) its keys.
        LayoutCase{"BemusicTenHalfRightLL", Bemusic, TenKeys, 0, 2,
                   {0, 34, 44, 54, 64, 74, N, N, 92, 126, 136, 146, 156, 166, N, N}, 181, 340, 564 - 181, 406, 433, N,
                   {0, 1, 3, 5, 2, 4, 8, 9, 11, 13, 10, 12}, {47, 45, 45, 45, 47, 45, 45, 45}, 253, 377, false},
        LayoutCase{"BemusicTenHalfRightLR", Bemusic, TenKeys, 0, 2,
                   {0, 34, 44, 54, 64, 74, N, N, 142, 92, 102, 112, 122, 132, N, N}, 181, 340, 564 - 181, 406, 433, N,
                   {0, 1, 3, 5, 2, 4, 8, 9, 11, 13, 10, 12}, {47, 45, 45, 45, 45, 45, 45, 47}, 253, 377, false, 1},
        LayoutCase{"BemusicTenHalfRightRL", Bemusic, TenKeys, 0, 2,
                   {50, 0, 10, 20, 30, 40, N, N, 92, 126, 136, 146, 156, 166, N, N}, 181, 340, 564 - 181, 406, 433, N,
                   {0, 1, 3, 5, 2, 4, 8, 9, 11, 13, 10, 12}, {45, 45, 45, 47, 47, 45, 45, 45}, 253, 377, false, 2},
        LayoutCase{"BemusicTenHalfRightRR", Bemusic, TenKeys, 0, 2,
                   {50, 0, 10, 20, 30, 40, N, N, 142, 92, 102, 112, 122, 132, N, N}, 181, 340, 564 - 181, 406, 433, N,
                   {0, 1, 3, 5, 2, 4, 8, 9, 11, 13, 10, 12}, {45, 45, 45, 47, 45, 45, 45, 47}, 253, 377, false, 3},
        // BEMUSIC's widest row brings the guide panel with it.
        LayoutCase{"BemusicFourteenSeparateLeft", Bemusic, FourteenKeys, 1, 0,
                   {0, 34, 54, 70, 90, 106, 126, 142, 293, 165, 185, 201, 221, 237, 257, 273}, 327, 0, 0, 23, 123, N,
                   {0, 1, 3, 5, 7, 2, 4, 6, 8, 9, 11, 13, 15, 10, 12, 14},
                   {47, 45, 46, 45, 46, 45, 46, 45, 45, 46, 45, 46, 45, 46, 45, 47}, 354, 330, true, 1},
        LayoutCase{"UpwayFourteenSeparateRight", Upway, FourteenKeys, 1, 2,
                   {0, 34, 54, 70, 90, 106, 126, 142, 293, 165, 185, 201, 221, 237, 257, 273}, 327, 340, 260, 283,
                   383, N, {0, 1, 3, 5, 7, 2, 4, 6, 8, 9, 11, 13, 15, 10, 12, 14},
                   {47, 45, 46, 45, 46, 45, 46, 45, 45, 46, 45, 46, 45, 46, 45, 47}, 253, 377, false, 1},
        // SCAN2 ignores LINEPOS: its rows end at y 407, the turntable on
        // top and the keys below it from the highest down.
        LayoutCase{"ScanFiveSeparate", Scan2, FiveKeys, 1, 2,
                   {0, 87, 74, 58, 45, 29, N, N, N, N, N, N, N, N, N, N}, 103, 0, 282, 304, 108, 244,
                   {0, 5, 3, 1, 4, 2}, {33, 31, 32, 31, 32, 31}, 0, 179, false},
        // SCAN2's R puts the turntable on the side's bottom row.
        LayoutCase{"ScanFiveSeparateTurntableBelow", Scan2, FiveKeys, 1, 2,
                   {74, 58, 45, 29, 16, 0, N, N, N, N, N, N, N, N, N, N}, 103, 0, 282, 304, 108, 244,
                   {0, 5, 3, 1, 4, 2}, {31, 32, 31, 32, 31, 33}, 0, 179, false, 2},
        LayoutCase{"ScanSevenHalf", Scan2, SevenKeys, 0, 1,
                   {0, 77, 69, 61, 53, 45, 37, 29, N, N, N, N, N, N, N, N}, 89, 0, 296, 318, 108, 258,
                   {0, 7, 5, 3, 1, 6, 4, 2}, {33, 31, 31, 31, 31}, 0, 193, false},
        LayoutCase{"ScanFourteenSeparate", Scan2, FourteenKeys, 1, 0,
                   {0, 116, 103, 87, 74, 58, 45, 29, 135, 251, 238, 222, 209, 193, 180, 164}, 267, 0, 118, 140, 108,
                   80, {0, 7, 5, 3, 1, 6, 4, 2, 8, 15, 13, 11, 9, 14, 12, 10},
                   {33, 31, 32, 31, 32, 31, 32, 31, 33, 31, 32, 31, 32, 31, 32, 31}, 0, 15, false},
        // WAVE centres its 38-pixel lanes on the screen and has no strips.
        LayoutCase{"WaveSevenSeparateLeft", Wave, SevenKeys, 1, 0,
                   {0, 38, 76, 114, 152, 190, 228, 266, N, N, N, N, N, N, N, N}, 304, 0, 0, 168, 259, N,
                   {0, 1, 3, 5, 7, 2, 4, 6}, {}, 298, 377, false},
        LayoutCase{"WaveFiveHalfRight", Wave, FiveKeys, 0, 2,
                   {0, 38, 76, 114, 152, 190, N, N, N, N, N, N, N, N, N, N}, 247, 340, 340, 197, 260, N,
                   {0, 1, 3, 5, 2, 4}, {}, 253, 377, false},
        LayoutCase{"WaveTenHalfMiddle", Wave, TenKeys, 0, 1,
                   {0, 38, 76, 114, 152, 190, N, N, 440, 250, 288, 326, 364, 402, N, N}, 497, 171, 49, 72, 260, N,
                   {0, 1, 3, 5, 2, 4, 8, 9, 11, 13, 10, 12}, {}, 84, 377, false, 1}),
    [](const testing::TestParamInfo<LayoutCase>& info) { return std::string(info.param.name); });

// The key cell a lane rests on, in its style's sheet.
Rect keyCell(int style, const LaneSlot& slot) {
    switch (style) {
        case Scan2: return scanSheet[std::size_t(slot.keySprite)];
        case Wave: return waveSheet[std::size_t(slot.keySprite)];
        default: return bemusicSheet[std::size_t(slot.keySprite)];
    }
}

TEST(LaneLayoutScreen, EveryKeyOfEveryStyleIsWhollyOnScreen) {
    for (int style : {Bemusic, Upway, Scan2, Wave})
        for (int keyMode : {FiveKeys, SevenKeys, TenKeys, FourteenKeys})
            for (int line = 0; line < 2; ++line)
                for (int linePos = 0; linePos < 3; ++linePos)
                    for (int effPos = 0; effPos < 4; ++effPos) {
                        PlayConfig config;
                        config.style = std::int8_t(style);
                        config.line = std::int8_t(line);
                        Settings options;
                        options.LINEPOS = std::int8_t(linePos);
                        options.EFFPOS = std::int8_t(effPos);
                        const LaneLayout layout = layoutLanes(config, options, keyMode);
                        for (int lane = 0; lane < kLaneCount; ++lane) {
                            const LaneSlot& slot = layout.lanes[std::size_t(lane)];
                            if (slot.x < 0) continue;
                            const Rect cell = keyCell(style, slot);
                            // SCAN2's lanes are rows: the lane position is a y.
                            int start = layout.laneOriginX + slot.x;
                            int end = start + (style == Scan2 ? cell.height() : cell.width());
                            // A WAVE note crosses the line (offset 393) two pixels wider than its key.
                            if (style == Wave) start -= 2, end += 2;
                            const int screenEnd = style == Scan2 ? 480 : 640;
                            EXPECT_TRUE(start >= 0 && end <= screenEnd)
                                << "style " << style << " keys " << keyMode << " line " << line << " pos " << linePos
                                << " effpos " << effPos << " lane " << lane << ": " << start << "-" << end;
                        }
                    }
}

struct RowsCase {
    int style;
    int keyRow, hitFlashRow, stripRow, beamRow;
};

TEST(LaneLayoutRows, EachStyleHasItsKeyFlashStripAndBeamRows) {
    const RowsCase cases[] = {{Bemusic, 403, 367, 20, 20}, {Upway, 20, 22, 50, 55}, {Scan2, 0, 0, 30, 0},
                              {Wave, 208, 195, 0, 0}};
    for (const RowsCase& c : cases) {
        PlayConfig config;
        config.style = std::int8_t(c.style);
        const LaneLayout layout = layoutLanes(config, Settings{}, SevenKeys);
        EXPECT_EQ(layout.keyRowY, c.keyRow) << "style " << c.style;
        EXPECT_EQ(layout.hitFlashRowY, c.hitFlashRow) << "style " << c.style;
        EXPECT_EQ(layout.stripRowY, c.stripRow) << "style " << c.style;
        EXPECT_EQ(layout.beamRowY, c.beamRow) << "style " << c.style;
    }
}

struct SpriteCase {
    int style;
    int line;
    int autoplay;
    int lane;
    int key, pressedKey, beamSet;
};

TEST(LaneLayoutSprites, MapTheLaneChoicesOntoEachStylesSheet) {
    const SpriteCase cases[] = {
        // BEMUSIC / UPWAY: the lane sheet itself.
        {Bemusic, 0, 0, 0, 10, 11, 57},
        {Bemusic, 0, 2, 0, 61, 11, 57},
        {Bemusic, 0, 0, 1, 2, 4, 48},
        {Bemusic, 0, 0, 2, 3, 5, 51},
        {Bemusic, 1, 0, 1, 6, 8, 48},
        {Bemusic, 1, 0, 2, 7, 9, 54},
        // SCAN2: keys drawn from the beam-set cell, pressed = the next.
        {Scan2, 1, 0, 0, 6, 41, 40},
        {Scan2, 1, 2, 0, 7, 41, 40},
        {Scan2, 1, 0, 3, 4, 35, 34},
        {Scan2, 1, 0, 4, 5, 39, 38},
        {Scan2, 0, 0, 4, 3, 37, 36},
        {Scan2, 0, 0, 5, 2, 35, 34},
        // WAVE: its own key table; no beams.
        {Wave, 0, 0, 0, 4, 5, 0},
        {Wave, 0, 2, 8, 6, 5, 0},
        {Wave, 0, 0, 1, 0, 1, 0},
        {Wave, 1, 0, 1, 0, 1, 0},
        {Wave, 0, 0, 2, 2, 3, 0},
        {Wave, 1, 0, 2, 2, 3, 0},
    };
    for (const SpriteCase& c : cases) {
        PlayConfig config;
        config.style = std::int8_t(c.style);
        config.line = std::int8_t(c.line);
        Settings options;
        options.AUTOPLAY = std::int8_t(c.autoplay);
        const LaneLayout layout = layoutLanes(config, options, FourteenKeys);
        const LaneSlot& slot = layout.lanes[std::size_t(c.lane)];
        EXPECT_EQ(slot.keySprite, c.key) << "style " << c.style << " line " << c.line << " lane " << c.lane;
        EXPECT_EQ(slot.pressedKeySprite, c.pressedKey) << "style " << c.style << " line " << c.line << " lane " << c.lane;
        EXPECT_EQ(slot.beamSet, c.beamSet) << "style " << c.style << " line " << c.line << " lane " << c.lane;
    }
}

}  // namespace
}  // namespace kv
