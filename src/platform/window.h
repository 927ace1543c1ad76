#pragma once
// The game's single window and the picture shown in it. The game always
// draws a 640 x 480 picture; the window shows it scaled with letterbox
// bars, windowed or on the whole desktop.
#include "base/surface.h"

namespace kv::platform {

constexpr int kPictureWidth = 640;
constexpr int kPictureHeight = 480;
constexpr const char* kWindowTitle = "Kelvarin][ Ver. 1.2";

// Checks that windows can be made (the window itself appears with the
// presentation, in its final mode). Headless: always true.
bool openWindow();

// Opens a window showing pictures of `width` x `height` (the game's
// "Kelvarin][ Ver. 1.2" at 640 x 480 unless told otherwise): full screen on
// the desktop unless `windowed` (then centred and resizable), with a
// renderer and one streaming texture. Headless: frames are only kept in
// memory. Returns false when any of it cannot be made.
bool openPresentation(bool windowed, const char* title = kWindowTitle, int width = kPictureWidth,
                      int height = kPictureHeight);
// The picture size of the open presentation.
int pictureWidth();
int pictureHeight();
void closePresentation();
void closeWindow();

// Shows one finished picture (of the presentation's size), keeps it as the last
// presented frame, writes it to the frames folder when one is set, then
// tells the clock a frame went out.
void presentFrame(const Surface& picture);

// Re-creates the streaming texture after the renderer lost it (device
// reset while the window was inactive). True when presentation works.
bool restorePresentation();

// The window's client area in screen coordinates (the picture's own
// rectangle headless).
Rect windowClientRect();

}  // namespace kv::platform
