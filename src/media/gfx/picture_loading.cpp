#include "media/gfx/picture_loading.h"

#include <cctype>

#include "media/gfx/display.h"
#include "media/gfx/logo_bitmap.h"
#include "media/gfx/pic_file.h"
#include "media/gfx/picture_file.h"

namespace kv {
namespace {

int toResult(DecodeResult result) {
    switch (result) {
        case DecodeResult::Decoded: return 1;
        case DecodeResult::Unusable: return 2;
        default: return 0;
    }
}

// Bitmaps built into the program, by resource name.
const Surface* findResourceBitmap(const std::string& name) {
    if (name != "LOGOBITMAP") return nullptr;
    static const Surface logo = [] {
        Surface picture;
        readPic(Bytes(kLogoBitmap, kLogoBitmapSize), picture);
        return picture;
    }();
    return logo.width > 0 ? &logo : nullptr;
}

bool namesPicSheet(const std::string& name) { return !name.empty() && std::tolower(name.back()) == 'c'; }

}  // namespace

int bitmapToSlot(Surface& target, const Surface& bitmap, int sourceWidth, int sourceHeight, int x, int y) {
    const int sw = sourceWidth ? sourceWidth : bitmap.width;
    const int sh = sourceHeight ? sourceHeight : bitmap.height;
    if (sw <= 0 || sh <= 0) return 1;
    for (int ty = std::max(y, 0); ty < target.height; ++ty) {
        const int sy = int(std::int64_t(ty - y) * sh / target.height);
        if (sy >= bitmap.height) break;
        Pixel* dst = target.row(ty);
        const Pixel* src = bitmap.row(sy);
        for (int tx = std::max(x, 0); tx < target.width; ++tx) {
            const int sx = int(std::int64_t(tx - x) * sw / target.width);
            if (sx >= bitmap.width) break;
            dst[tx] = src[sx];
        }
    }
    return 1;
}

int loadPicture(int slot, const std::string& fileName) {
    Surface* target = slotSurface(slot);
    if (!target) return 0;
    Surface picture;
    // A damaged sheet is not reported as loaded: it goes on to the other
    // readers, so a BMP that is merely named ".pic" still shows.
    if (namesPicSheet(fileName) && decodePicFile(fileName, picture))
        return bitmapToSlot(*target, picture, kScreenWidth, kScreenHeight, 0, 0);
    const int result = toResult(decodePictureFile(fileName, picture));
    if (result == 1) bitmapToSlot(*target, picture, kScreenWidth, kScreenHeight, 0, 0);
    return result;
}

int loadChartPicture(int slot, const std::string& fileName, int width, int height, platform::FileNames& names) {
    if (!createSlot(slot, width, height, 0)) return 0;
    Surface picture;
    const int result = toResult(decodePictureFile(fileName, picture, names));
    if (result != 1) {
        releaseSlots(slot, slot);
        return result;
    }
    if (picture.width > kChartPictureSize) width = picture.width;
    if (picture.height > kChartPictureSize) height = picture.height;
    if ((width > kChartPictureSize || height > kChartPictureSize) && !createSlot(slot, width, height, 0)) return 0;
    const int x = width == kChartPictureSize && picture.width < kChartPictureSize
                      ? kChartPictureSize / 2 - picture.width / 2
                      : 0;
    return bitmapToSlot(*slotSurface(slot), picture, width, height, x, 0);
}

int loadResourcePicture(int slot, const std::string& resourceName, int x, int y) {
    Surface* target = slotSurface(slot);
    const Surface* bitmap = findResourceBitmap(resourceName);
    if (!target || !bitmap) return 0;
    return bitmapToSlot(*target, *bitmap, kScreenWidth, kScreenHeight, x, y);
}

}  // namespace kv
