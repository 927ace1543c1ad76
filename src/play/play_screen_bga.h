#pragma once
// The picture frame of the play screen: the chart's base and layer
// pictures (or the poor picture after a miss) composed on a work surface,
// then shown at the loader's frame.
#include "chart/chart.h"
#include "play/play_screen_state.h"

namespace kv {

// Frames the poor picture stays after a miss.
constexpr int kPoorPictureFrames = 190;

// Recomposes the work surface when the pictures changed.
void composePicture(Play& play, const Chart& chart, PlayScreenState& screen);

// BGA NORMAL and BIG: the composition at the frame chosen by the loader,
// with its border unless the loader hid it.
void drawPictureFrame(const Chart& chart);

}  // namespace kv
