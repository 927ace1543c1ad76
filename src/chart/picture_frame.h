#pragma once
// Where the play screen shows a chart's pictures, from the screen options.
#include "chart/chart.h"

namespace kv {

struct FrameOptions {
    int style = 0;    // STYLE: 0 BEMUSIC, 1 UPWAY, 2 SCAN2, 3 WAVE, 4 BONUS
    int bga = 1;      // BGA: 0 off, 1 NORMAL, 2 BIG, 3 TILE, 4 FULL, 5 FULL2, 6 LISTEN, 7 STAGE
    int line = 0;     // LINE: 0 HALF, 1 SEPRATE
    int linePos = 0;  // LINEPOS: 0 LEFT, 1 MIDDLE, 2 RIGHT
};

// The frame for a key mode and the chart's picture kind (ChartEntry.bgaKind).
// A STAGE backdrop is the loader's business once its picture is loaded.
PictureFrame pictureFrameFor(const FrameOptions& options, int keyMode, int bgaKind);

}  // namespace kv
