#pragma once
// The pictures behind the play field: the chart's base and layer pictures
// (or the poor picture after a miss) composed on a work surface, then shown
// in the loader's frame, tiled or stretched over the screen as the BGA
// setting asks, over the stage or backdrop picture.
#include "chart/chart.h"
#include "play/play_screen_state.h"
#include "settings/settings.h"

namespace kv {

// Frames the poor picture stays after a miss.
constexpr int kPoorPictureFrames = 190;

// BGA setting codes.
enum BgaMode : std::int8_t {
    BgaOff = 0, BgaNormal = 1, BgaBig = 2, BgaTile = 3, BgaFull = 4, BgaFull2 = 5, BgaListen = 6, BgaStage = 7
};

// Surface slot 0 holds the backdrop (stage, BACKGR or LISTEN picture); the
// chart's picture 00 is slot 4.
constexpr int kBackdropSlot = 0;

// Recomposes the work surface when the pictures differ from those of three
// frames ago (so every buffer of a triple-buffered display gets them).
// Returns whether it recomposed.
bool composePicture(Play& play, const Chart& chart, PlayScreenState& screen);

// The backdrop of one play frame: the framed picture, or the stage or
// backdrop picture with the BGA tiled or stretched over it.
void drawBackdrop(Play& play, const Chart& chart, const Settings& options, PlayScreenState& screen);

// The composition over the screen: six tiles (TILE), stretched to the
// whole screen through the loader's source part (FULL, FULL2), or to the
// middle 480 x 480 between the listen picture's side strips (LISTEN).
void drawTiledPicture();
void drawFullScreenPicture(const Chart& chart);
void drawListenPicture(bool withSideStrips);

}  // namespace kv
