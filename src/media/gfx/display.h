#pragma once
// The display: the back surface every scene draws its frame into, the 267
// numbered off-screen slots (skin sheets, backgrounds, chart pictures, work
// surfaces) and presenting a finished frame.
#include <array>

#include "base/surface.h"

namespace kv {

constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;
constexpr int kSlotCount = 267;
constexpr int kFirstChartSlot = 4;  // chart image n goes to slot n + 4
constexpr int kLastSlot = kSlotCount - 1;

struct Slot {
    Surface surface;  // width, height and colour key as created
    bool inUse = false;
};

struct Display {
    bool created = false;
    bool windowed = false;
    Rect windowRect;  // client area in screen coordinates (windowed)
    Surface back;     // 640 x 480, what the next present shows
    std::array<Slot, kSlotCount> slots;
};

extern Display display;

// Opens the presentation (full screen unless `windowed`) and the back
// surface, marks every slot free. 1 on success, 0 on failure.
int createDisplay(bool windowed);

// (Re)creates a slot of the given size and colour key, filled with black.
// An old picture in the slot is gone even when this fails. 1 / 0.
int createSlot(int slot, int width, int height, Pixel colourKey);

// Frees the slots first..last that are in use (4..266 after every play).
void releaseSlots(int first, int last);

// Shows the back surface. Windowed, the frame is followed by a wait until
// 16 ms have passed since the present began (about 60 frames a second).
void present();

// Brings back what the system took away while the game was inactive.
void restoreSurfaces();

// Frees every slot, the back surface and the presentation.
void releaseDisplay();

// Re-reads the window's client area (after it moved).
void updateWindowRect();

// Copies the last presented frame (the picture on screen) into a slot at
// (x, y); `source` null = the whole frame. Same rules as copySlot.
int grabScreen(int x, int y, const Rect* source, int slot);

// The surface of a slot in use, or null (unused or out of range).
Surface* slotSurface(int slot);

}  // namespace kv
