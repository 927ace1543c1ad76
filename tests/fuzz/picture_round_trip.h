#pragma once
// A picture a reader accepted must never be larger than we allow and, when
// our own format can hold it, come back pixel for pixel once written in it
// and read again.
#include <cstdlib>

#include "base/surface.h"
#include "media/gfx/picture_limits.h"

namespace kv::fuzz {

template <typename Write, typename Read>
void checkPictureRoundTrip(const Surface& decoded, Write write, Read read) {
    if (!pictureSizeAllowed(decoded.width, decoded.height)) std::abort();
    if (decoded.pixels.size() != std::size_t(decoded.width) * decoded.height) std::abort();
    // A writer returns no bytes for a picture its format cannot hold, as our
    // sheet format's 24-bit length cannot hold every picture a reader accepts.
    const auto written = write(decoded);
    if (written.empty()) return;
    Surface again;
    if (!read(written, again)) std::abort();
    if (again.width != decoded.width || again.height != decoded.height || again.pixels != decoded.pixels) std::abort();
}

}  // namespace kv::fuzz
