#include "media/gfx/style_sheets.h"

namespace kv {
namespace {

constexpr Rect cell(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

constexpr std::array<Rect, kBemusicCellCount> makeBemusicSheet() {
    std::array<Rect, kBemusicCellCount> t{};
    t[0] = cell(0, 0, 23, 413);
    t[1] = cell(24, 0, 23, 413);
    const int restLeft[] = {48, 69, 90, 111};
    for (int i = 0; i < 4; ++i) t[2 + i] = cell(restLeft[i], 0, i == 3 ? 21 : 20, 30);
    const int keyLeft[] = {48, 69, 86, 107}, keyWidth[] = {20, 16, 20, 16};
    for (int i = 0; i < 4; ++i) t[6 + i] = cell(keyLeft[i], 31, keyWidth[i], 30);
    t[10] = cell(48, 62, 34, 30);
    t[11] = cell(83, 62, 34, 30);
    const int noteLeft[] = {48, 68, 88, 104}, noteWidth[] = {19, 19, 15, 33};
    for (int colour = 0; colour < 4; ++colour)
        for (int frame = 0; frame < 4; ++frame)
            t[kBemusicNotes + 4 * colour + frame] = cell(noteLeft[colour], 93 + 15 * frame, noteWidth[colour], 14);
    const int markLeft[] = {48, 68, 84}, markWidth[] = {19, 15, 33};
    for (int colour = 0; colour < 3; ++colour)
        for (int code = 1; code <= 5; ++code)
            t[kBemusicReplayMarks + 5 * colour + code] = cell(markLeft[colour], 153 + 15 * (code - 1), markWidth[colour], 14);
    t[43] = cell(138, 0, 1, 383);
    t[44] = cell(0, 414, 324, 1);
    t[45] = cell(140, 0, 19, 383);
    t[46] = cell(160, 0, 15, 383);
    t[47] = cell(176, 0, 33, 383);
    struct BeamSet {
        int widths[3];
        int lefts[3];
    };
    const BeamSet beams[] = {{{7, 13, 19}, {216, 213, 210}},
                             {{7, 13, 19}, {236, 233, 230}},
                             {{5, 10, 15}, {255, 252, 250}},
                             {{10, 22, 33}, {278, 271, 266}}};
    for (int set = 0; set < 4; ++set)
        for (int k = 0; k < 3; ++k) t[kBemusicBeams + 3 * set + k] = cell(beams[set].lefts[k], 0, beams[set].widths[k], 378);
    t[60] = cell(48, 228, 23, 7);
    t[61] = cell(48, 236, 34, 30);
    const int bodyLeft[] = {320, 340, 360, 376};
    for (int colour = 0; colour < 4; ++colour) {
        t[kBemusicLongBodies + colour] = cell(bodyLeft[colour], 0, noteWidth[colour], 16);
        t[kBemusicHeldBodies + colour] = cell(bodyLeft[colour], 17, noteWidth[colour], 16);
    }
    return t;
}

// Heights of SCAN2 rows by lane type: odd key, even key (half), even key (separate), turntable.
constexpr int kScanRowHeights[] = {17, 17, 13, 29};

constexpr std::array<Rect, kScanCellCount> makeScanSheet() {
    std::array<Rect, kScanCellCount> t{};
    t[0] = cell(0, 0, 640, 24);
    t[1] = cell(0, 25, 640, 24);
    const int keyTops[] = {112, 130, 148, 166, 180, 210}, keyHeights[] = {17, 17, 17, 13, 29, 29};
    for (int i = 0; i < 6; ++i) t[2 + i] = cell(0, keyTops[i], 30, keyHeights[i]);
    for (int colour = 0; colour < 4; ++colour)
        for (int frame = 0; frame < 2; ++frame) {
            const int i = 2 * colour + frame;
            t[kScanNotes + i] = cell(32 + 15 * i, 112, 14, kScanRowHeights[colour]);
        }
    const int markHeights[] = {17, 13, 29};
    for (int colour = 0; colour < 3; ++colour)
        for (int code = 1; code <= 5; ++code) {
            const int i = kScanReplayMarks + 5 * colour + code;
            t[i] = cell(32 + 15 * (i - 16), 150, 14, markHeights[colour]);
        }
    t[31] = cell(0, 50, 609, 17);
    t[32] = cell(0, 68, 609, 13);
    t[33] = cell(0, 82, 609, 29);
    for (int i = 0; i < 8; ++i) t[kScanKeys + i] = cell(25 * i, 250, 24, kScanRowHeights[i / 2]);
    t[42] = cell(200, 250, 7, 24);
    for (int i = 0; i < 4; ++i) t[kScanMissSparks + i] = cell(15 * i, 290, 14, kScanRowHeights[i]);
    t[47] = cell(60, 290, 5, 5);
    t[48] = cell(490, 112, 149, 101);
    return t;
}

constexpr std::array<Rect, kWaveCellCount> makeWaveSheet() {
    std::array<Rect, kWaveCellCount> t{};
    for (int i = 0; i < 7; ++i) t[i] = cell(38 * i, 0, 37, 37);
    for (int i = 0; i < 8; ++i) t[kWaveNoteQuarters + i] = cell(20 * i, 38, 19, 19);
    for (int i = 0; i < 8; ++i) t[kWaveNoteQuarters + 8 + i] = cell(80 + 20 * i, 58, 19, 19);
    return t;
}

constexpr std::array<Rect, kBonusCellCount> makeBonusSheet() {
    std::array<Rect, kBonusCellCount> t{};
    t[0] = cell(0, 0, 320, 413);
    t[1] = cell(321, 0, 16, 413);
    t[2] = cell(338, 0, 16, 413);
    for (int i = 0; i < 3; ++i) t[3 + i] = cell(355 + 33 * i, 0, 32, 32);   // ship: straight, right, left
    for (int i = 0; i < 4; ++i) t[6 + i] = cell(355 + 33 * i, 33, 32, 32);  // enemy animation
    t[10] = cell(355, 66, 32, 32);                                          // destroyed enemy
    t[11] = cell(388, 66, 16, 32);                                          // shot
    t[12] = cell(405, 66, 8, 8);                                            // bullet
    for (int i = 0; i < 4; ++i) t[13 + i] = cell(355 + 55 * i, 100, 54, 54);  // burst animation
    return t;
}

}  // namespace

const std::array<Rect, kBemusicCellCount> bemusicSheet = makeBemusicSheet();
const std::array<Rect, kScanCellCount> scanSheet = makeScanSheet();
const std::array<Rect, kWaveCellCount> waveSheet = makeWaveSheet();
const std::array<Rect, kBonusCellCount> bonusSheet = makeBonusSheet();

}  // namespace kv
