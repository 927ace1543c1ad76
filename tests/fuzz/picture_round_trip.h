#pragma once
// A picture a reader accepted must come back pixel for pixel once written
// in our own format and read again, and never be larger than we allow.
#include <cstdlib>

#include "base/surface.h"
#include "media/gfx/picture_limits.h"

namespace kv::fuzz {

template <typename Write, typename Read>
void checkPictureRoundTrip(const Surface& decoded, Write write, Read read) {
    if (!pictureSizeAllowed(decoded.width, decoded.height)) std::abort();
    if (decoded.pixels.size() != std::size_t(decoded.width) * decoded.height) std::abort();
    Surface again;
    if (!read(write(decoded), again)) std::abort();
    if (again.width != decoded.width || again.height != decoded.height || again.pixels != decoded.pixels) std::abort();
}

}  // namespace kv::fuzz
