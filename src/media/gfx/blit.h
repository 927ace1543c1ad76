#pragma once
// The seven drawing primitives every screen is made of. Each is one
// rectangle copy or fill without clipping: a copy whose destination is not
// wholly inside the destination surface draws nothing at all, so a partly
// visible sprite is not shown. Sources are slots; a slot not in use draws
// nothing and returns 0. Otherwise the result is 0 when drawn and
// kBlitRejected when the rectangles were refused; callers ignore it.
#include "base/surface.h"

namespace kv {

constexpr int kBlitRejected = -1;

// Whole-rectangle copy from `slot` to the back surface at (x, y);
// `source` null = the whole slot.
int drawSprite(int x, int y, const Rect* source, int slot);
// The same, leaving out pixels equal to the slot's colour key.
int drawSpriteKeyed(int x, int y, const Rect* source, int slot);

// Slot-to-slot copies; the destination slot must be in use too.
int copySlot(int x, int y, const Rect* source, int sourceSlot, int destinationSlot);
int copySlotKeyed(int x, int y, const Rect* source, int sourceSlot, int destinationSlot);

// Scales the source to the back-surface rectangle (left, top)-(right,
// bottom) by nearest pixel. An empty rectangle draws nothing.
int stretchSprite(int left, int top, int right, int bottom, const Rect* source, int slot);
int stretchSpriteKeyed(int left, int top, int right, int bottom, const Rect* source, int slot);

// Fills a rectangle (null = everything) of any surface with a raw colour;
// no colour key. Same all-or-nothing rule.
int fillRect(Surface& surface, const Rect* area, Pixel colour);
// The menus' dialog box: a one-pixel white frame around a black inside.
void drawFramedBox(Surface& surface, const Rect& outer);

// The copy under every non-scaling primitive, between any two surfaces:
// `source` null = the whole source. Copying a surface onto itself works
// even where the rectangles overlap.
int blitSurface(const Surface& source, const Rect* sourceRect, Surface& target, int x, int y, bool keyed);

}  // namespace kv
