#include "media/gfx/blit.h"

#include <cstring>

#include "media/gfx/display.h"

namespace kv {
namespace {

bool insideOf(const Rect& r, const Surface& s) {
    return r.left >= 0 && r.top >= 0 && r.right <= s.width && r.bottom <= s.height && r.left < r.right &&
           r.top < r.bottom;
}

// The source rectangle of a copy: the given one, or the whole slot.
bool sourceRect(const Rect* given, const Surface& source, Rect& out) {
    out = given ? *given : source.bounds();
    return insideOf(out, source);
}

// Keyed copy of one row between different surfaces. Branch-free and free of
// aliasing, so the compiler vectorises it.
void keyedRow(Pixel* __restrict out, const Pixel* __restrict in, int w, Pixel key) {
    for (int c = 0; c < w; ++c) out[c] = in[c] == key ? out[c] : in[c];
}

}  // namespace

int blitSurface(const Surface& source, const Rect* given, Surface& target, int x, int y, bool keyed) {
    Rect from;
    if (!sourceRect(given, source, from)) return kBlitRejected;
    const Rect to{x, y, x + from.width(), y + from.height()};
    if (!insideOf(to, target)) return kBlitRejected;

    const int w = from.width(), h = from.height();
    const Pixel key = source.colourKey;
    const bool upward = &source == &target && y > from.top;
    const bool leftward = &source == &target && x > from.left;
    for (int i = 0; i < h; ++i) {
        const int row = upward ? h - 1 - i : i;
        const Pixel* in = source.row(from.top + row) + from.left;
        Pixel* out = target.row(y + row) + x;
        if (!keyed) {
            std::memmove(out, in, std::size_t(w) * sizeof(Pixel));
        } else if (&source != &target) {
            keyedRow(out, in, w, key);
        } else if (!leftward) {
            for (int c = 0; c < w; ++c) out[c] = in[c] == key ? out[c] : in[c];
        } else {
            for (int c = w - 1; c >= 0; --c) out[c] = in[c] == key ? out[c] : in[c];
        }
    }
    return 0;
}

namespace {

// Nearest-pixel scaling: destination column d reads source column
// from.left + d * sourceWidth / destinationWidth, stepped without division.
int stretchRect(const Surface& source, const Rect* given, Surface& target, const Rect& to, bool keyed) {
    if (to.width() == 0 || to.height() == 0) return 0;
    Rect from;
    if (!sourceRect(given, source, from) || !insideOf(to, target)) return kBlitRejected;

    const int sw = from.width(), sh = from.height(), dw = to.width(), dh = to.height();
    int sy = from.top, yError = 0;
    for (int dy = 0; dy < dh; ++dy) {
        const Pixel* in = source.row(sy);
        Pixel* out = target.row(to.top + dy) + to.left;
        int sx = from.left, xError = 0;
        for (int dx = 0; dx < dw; ++dx) {
            const Pixel p = in[sx];
            if (!keyed || p != source.colourKey) out[dx] = p;
            sx += sw / dw;
            xError += sw % dw;
            if (xError >= dw) {
                xError -= dw;
                ++sx;
            }
        }
        sy += sh / dh;
        yError += sh % dh;
        if (yError >= dh) {
            yError -= dh;
            ++sy;
        }
    }
    return 0;
}

}  // namespace

int drawSprite(int x, int y, const Rect* source, int slot) {
    const Surface* from = slotSurface(slot);
    return from ? blitSurface(*from, source, display.back, x, y, false) : 0;
}

int drawSpriteKeyed(int x, int y, const Rect* source, int slot) {
    const Surface* from = slotSurface(slot);
    return from ? blitSurface(*from, source, display.back, x, y, true) : 0;
}

int copySlot(int x, int y, const Rect* source, int sourceSlot, int destinationSlot) {
    const Surface* from = slotSurface(sourceSlot);
    if (!from) return 0;
    Surface* to = slotSurface(destinationSlot);
    return to ? blitSurface(*from, source, *to, x, y, false) : kBlitRejected;
}

int copySlotKeyed(int x, int y, const Rect* source, int sourceSlot, int destinationSlot) {
    const Surface* from = slotSurface(sourceSlot);
    if (!from) return 0;
    Surface* to = slotSurface(destinationSlot);
    return to ? blitSurface(*from, source, *to, x, y, true) : kBlitRejected;
}

int stretchSprite(int left, int top, int right, int bottom, const Rect* source, int slot) {
    const Surface* from = slotSurface(slot);
    return from ? stretchRect(*from, source, display.back, {left, top, right, bottom}, false) : 0;
}

int stretchSpriteKeyed(int left, int top, int right, int bottom, const Rect* source, int slot) {
    const Surface* from = slotSurface(slot);
    return from ? stretchRect(*from, source, display.back, {left, top, right, bottom}, true) : 0;
}

int fillRect(Surface& surface, const Rect* area, Pixel colour) {
    const Rect r = area ? *area : surface.bounds();
    if (!insideOf(r, surface)) return kBlitRejected;
    for (int y = r.top; y < r.bottom; ++y) {
        Pixel* out = surface.row(y);
        for (int x = r.left; x < r.right; ++x) out[x] = colour;
    }
    return 0;
}

void drawFramedBox(Surface& surface, const Rect& outer) {
    const Rect inside{outer.left + 1, outer.top + 1, outer.right - 1, outer.bottom - 1};
    fillRect(surface, &outer, rgb(255, 255, 255));
    fillRect(surface, &inside, 0);
}

}  // namespace kv
