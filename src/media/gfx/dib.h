#pragma once
// Windows device-independent bitmaps: the pixel layout shared by BMP files,
// ".pic" skin sheets and picture plug-ins. An info block is a
// BITMAPINFOHEADER (or a later, longer version) followed by its colour table.
#include <cstdint>
#include <vector>

#include "base/surface.h"
#include "media/gfx/byte_reader.h"

namespace kv {

constexpr std::size_t kDibHeaderSize = 40;  // BITMAPINFOHEADER

// Decodes 1/4/8-bit palettised (plain, RLE4, RLE8), 16/24/32-bit (plain or
// bit fields), bottom-up or top-down. False when the header is unsupported
// or the pixel bytes are shorter than the header says.
bool decodeDib(Bytes info, Bytes bits, Surface& out);

struct DibLayout {
    std::size_t infoSize = 0;
    std::size_t bitsSize = 0;
};

// The sizes of the info block and pixel bytes that a header announces, for
// blocks handed over without a length (plug-in output).
bool dibLayout(const std::uint8_t* info, DibLayout& layout);

struct EncodedDib {
    std::vector<std::uint8_t> info;
    std::vector<std::uint8_t> bits;
};

// A 24-bit bottom-up picture, the format our own sheets are written in.
EncodedDib encodeDib24(const Surface& picture);

}  // namespace kv
