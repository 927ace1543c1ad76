#pragma once
// SCAN2: the lanes are rows across the screen. Notes stand still where
// they will be played while the scan marker sweeps over them; hits and
// misses leave sparks behind.
#include "play/play_screen_view.h"
#include "play/scan_sparks.h"

namespace kv {

// Turns the hits and misses since the last frame into sparks (SCAN2 shows
// no hit flashes).
void catchScanSparks(Play& play, const LaneView& view, ScanSparks& sparks);

// Rails, rows, the scan marker, notes and replay marks.
void drawScanBoard(const LaneView& view);

// The marker running along the bottom rail as the chart plays.
void drawScanProgress(const LaneView& view);

// The frame around the judgement, when nothing else claims the backdrop.
void drawScanJudgementFrame(const LaneView& view);

// Keys in their sockets at the left end of the rows.
void drawScanKeys(const LaneView& view);

void drawScanSparks(const LaneView& view, const ScanSparks& sparks);

}  // namespace kv
