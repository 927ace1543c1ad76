#pragma once
// Windows BMP files: a 14-byte file header, then a device-independent bitmap.
#include <cstdint>
#include <vector>

#include "base/surface.h"
#include "media/gfx/byte_reader.h"

namespace kv {

bool readBmp(Bytes file, Surface& out);
std::vector<std::uint8_t> writeBmp(const Surface& picture);

}  // namespace kv
