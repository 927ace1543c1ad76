#include "media/gfx/display.h"

#include <algorithm>
#include <new>

#include "media/gfx/blit.h"
#include "platform/clock.h"
#include "platform/frames.h"
#include "platform/window.h"

namespace kv {

Display display;

namespace {

// A windowed present is followed by a wait until this long after it began,
// which limits windowed frames to about 60 a second whatever MAXFPS says.
constexpr platform::Micros kWindowedFrameMicros = 16'000;

bool validSlot(int slot) { return slot >= 0 && slot < kSlotCount; }

void freeSlot(Slot& slot) {
    slot.surface = Surface();
    slot.inUse = false;
}

}  // namespace

int createDisplay(bool windowed) {
    display.windowed = windowed;
    if (!platform::openPresentation(windowed)) return 0;
    display.back = Surface(kScreenWidth, kScreenHeight);
    for (auto& slot : display.slots) freeSlot(slot);
    if (windowed) updateWindowRect();
    display.created = true;
    return 1;
}

int createSlot(int slot, int width, int height, Pixel colourKey) {
    if (!validSlot(slot)) return 0;
    Slot& entry = display.slots[slot];
    freeSlot(entry);
    if (width <= 0 || height <= 0) return 0;
    try {
        entry.surface = Surface(width, height, colourKey);
    } catch (const std::bad_alloc&) {
        return 0;  // out of memory is a failed picture, not the end of the game
    }
    entry.inUse = true;
    return 1;
}

void releaseSlots(int first, int last) {
    for (int slot = std::max(first, 0); slot <= std::min(last, kLastSlot); ++slot) freeSlot(display.slots[slot]);
}

void present() {
    if (!display.created) return;
    if (!display.windowed) {
        platform::presentFrame(display.back);
        return;
    }
    auto& clock = platform::clock();
    const platform::Micros began = clock.nowMicros();
    platform::presentFrame(display.back);
    clock.waitUntil(began + kWindowedFrameMicros);
}

void restoreSurfaces() {
    // Our slots live in main memory and are never taken away; only the
    // texture the window shows them through can be lost.
    if (display.created) platform::restorePresentation();
}

void releaseDisplay() {
    releaseSlots(0, kLastSlot);
    display.back = Surface();
    if (display.created) platform::closePresentation();
    display.created = false;
}

void updateWindowRect() { display.windowRect = platform::windowClientRect(); }

int grabScreen(int x, int y, const Rect* source, int slot) {
    Surface* to = slotSurface(slot);
    if (!to) return kBlitRejected;
    return blitSurface(platform::lastPresentedFrame(), source, *to, x, y, false);
}

Surface* slotSurface(int slot) {
    if (!validSlot(slot) || !display.slots[slot].inUse) return nullptr;
    return &display.slots[slot].surface;
}

}  // namespace kv
