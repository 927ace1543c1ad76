#pragma once
// Filling the numbered slots with pictures: screen pictures and skin
// sheets, chart pictures, and bitmaps built into the program.
#include <string>

#include "base/surface.h"
#include "platform/files.h"

namespace kv {

constexpr int kChartPictureSize = 256;

// Fills an existing slot (normally 640 x 480) one to one from its top-left
// corner: a larger picture is cut, a smaller one leaves the rest as it was.
// Names ending in "c" are tried as ".pic" sheets first. Result 1 loaded,
// 2 a plug-in took the file but gave no usable picture, 0 missing or
// unreadable (the slot keeps its previous picture).
int loadPicture(int slot, const std::string& fileName);

// Creates the slot at least width x height (the loader passes 256 x 256),
// growing to the picture's size beyond that, black-keyed; a narrower
// picture on a 256-wide slot is centred across it. Results as loadPicture;
// on failure the slot is left free. Names are looked up with `names`.
int loadChartPicture(int slot, const std::string& fileName, int width, int height,
                     platform::FileNames& names = platform::diskFileNames());

// Copies a bitmap compiled into the program ("LOGOBITMAP", the 353 x 145
// title logo) into a slot at (x, y). 1 success, 0 no such bitmap or slot.
int loadResourcePicture(int slot, const std::string& resourceName, int x, int y);

// Nearest-pixel copy of the bitmap's (0,0)-(sw,sh) onto the whole target
// from (x, y) on; sw or sh 0 means the bitmap's own size. Parts of the
// target outside the bitmap keep their pixels. Returns 1.
int bitmapToSlot(Surface& target, const Surface& bitmap, int sourceWidth, int sourceHeight, int x, int y);

}  // namespace kv
