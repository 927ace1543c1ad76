#pragma once
// Windows BMP files: a 14-byte file header, then a device-independent bitmap.
#include <cstdint>
#include <vector>

#include "gfx/byte_reader.h"
#include "gfx/surface.h"

namespace kv {

bool readBmp(Bytes file, Surface& out);
std::vector<std::uint8_t> writeBmp(const Surface& picture);

}  // namespace kv
