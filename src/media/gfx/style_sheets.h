#pragma once
// Sprite rectangles of the play-style sheets (slot 3 during play). BEMUSIC
// and UPWAY share one table whose layout every skin follows; the SCAN2,
// WAVE and BONUS sheets keep their sizes and fixed cells but place the rest
// where our own default skin draws them, so the generator and the play
// renderer read positions from here and nowhere else.
#include <array>

#include "base/surface.h"

namespace kv {

constexpr int kBemusicCellCount = 70;
constexpr int kScanCellCount = 49;
constexpr int kWaveCellCount = 23;
constexpr int kBonusCellCount = 17;

// BEMUSIC / UPWAY cells.
constexpr int kBemusicNotes = 12;        // 12 + 4 x colour + animation frame
constexpr int kBemusicReplayMarks = 27;  // 27 + 5 x colour + judgement code (1-5)
constexpr int kBemusicLaneStrips = 45;   // key, narrow key, turntable
constexpr int kBemusicBeams = 48;        // sets of three at 48, 51, 54, 57
constexpr int kBemusicLongBodies = 62;   // 62 + colour: a long note's body
constexpr int kBemusicHeldBodies = 66;   // 66 + colour: the body while held

// SCAN2 cells.
constexpr int kScanNotes = 8;            // 8 + 2 x colour + frame
constexpr int kScanReplayMarks = 15;     // 15 + 5 x colour + code
constexpr int kScanLaneStrips = 31;
constexpr int kScanKeys = 34;            // 34, 36, 38, 40; pressed = the next entry
constexpr int kScanMissSparks = 43;

// WAVE cells.
constexpr int kWaveNoteQuarters = 7;     // 7 + 4 x colour + quarter

extern const std::array<Rect, kBemusicCellCount> bemusicSheet;
extern const std::array<Rect, kScanCellCount> scanSheet;
extern const std::array<Rect, kWaveCellCount> waveSheet;
extern const std::array<Rect, kBonusCellCount> bonusSheet;

}  // namespace kv
