#pragma once
// ".pic" skin sheets: a 10-byte big-endian header (5 unused bytes, 24-bit
// decoded length, 16-bit info length), a DIB info block, then the pixel
// bytes run-length coded with every stored byte XORed with 0xC0.
#include <cstdint>
#include <vector>

#include "base/surface.h"
#include "media/gfx/byte_reader.h"

namespace kv {

// False for any damaged file: header or info block cut short, runs that end
// before the declared length, or a declared length too small for the picture.
bool readPic(Bytes file, Surface& out);

// Empty when the picture is too large for the 24-bit length field.
std::vector<std::uint8_t> writePic(const Surface& picture);

}  // namespace kv
