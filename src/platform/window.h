#pragma once
// The game's single window and the picture shown in it. The game always
// draws a 640 x 480 picture; the window shows it scaled with letterbox
// bars, windowed or on the whole desktop.
#include "gfx/surface.h"

namespace kv::platform {

constexpr int kPictureWidth = 640;
constexpr int kPictureHeight = 480;
constexpr const char* kWindowTitle = "Kelvarin][ Ver. 1.2";

// Checks that windows can be made (the window itself appears with the
// presentation, in its final mode). Headless: always true.
bool openWindow();

// Opens the game's window "Kelvarin][ Ver. 1.2" showing pictures: full
// screen on the desktop unless `windowed` (then 640 x 480, centred,
// resizable), with a renderer and one streaming texture. Headless: frames
// are only kept in memory. Returns false when any of it cannot be made.
bool openPresentation(bool windowed);
void closePresentation();
void closeWindow();

// Shows one finished picture (must be 640 x 480), keeps it as the last
// presented frame, writes it to the frames folder when one is set, then
// tells the clock a frame went out.
void presentFrame(const Surface& picture);

// Re-creates the streaming texture after the renderer lost it (device
// reset while the window was inactive). True when presentation works.
bool restorePresentation();

// The window's client area in screen coordinates (0,0,640,480 headless).
Rect windowClientRect();

}  // namespace kv::platform
