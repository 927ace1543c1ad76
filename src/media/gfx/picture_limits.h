#pragma once
// The largest picture we decode. Nothing wider or taller than this can show
// on a 640 x 480 screen, and a tiny file can declare a picture of gigabytes,
// so the declared size is checked before any pixel memory is taken.
#include <optional>

#include "media/gfx/byte_reader.h"
#include "platform/image_codec.h"

namespace kv {

constexpr int kMaxPictureSide = 4096;

inline bool pictureSizeAllowed(long long width, long long height) {
    return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide;
}

struct DeclaredPicture {
    platform::ImageFormat format;
    long long width = 0, height = 0;
    bool operator==(const DeclaredPicture&) const = default;
};

// The format of a PNG, GIF or JPEG file and the size its header declares
// (for a GIF the largest of its screen and its images); nothing for any
// other format, a header cut short, or a GIF whose blocks cannot all be walked.
std::optional<DeclaredPicture> declaredPicture(Bytes file);

}  // namespace kv
