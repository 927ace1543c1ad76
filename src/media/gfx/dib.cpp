#include "media/gfx/dib.h"

#include <bit>

#include "media/gfx/picture_limits.h"

namespace kv {
namespace {

constexpr std::uint32_t kMaxHeaderSize = 1024;

enum Compression : std::uint32_t { kPlain = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3 };

struct DibHeader {
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bitCount = 0;
    std::uint32_t compression = kPlain;
    std::uint32_t imageSize = 0;
    std::uint32_t masks[3] = {0, 0, 0};
    std::size_t tableAt = 0;
    std::uint32_t paletteCount = 0;
    std::vector<Pixel> palette;
};

bool formatSupported(const DibHeader& h) {
    switch (h.compression) {
        case kPlain: return h.bitCount == 1 || h.bitCount == 4 || h.bitCount == 8 || h.bitCount == 16 ||
                            h.bitCount == 24 || h.bitCount == 32;
        case kRle8: return h.bitCount == 8;
        case kRle4: return h.bitCount == 4;
        case kBitFields: return h.bitCount == 16 || h.bitCount == 32;
        default: return false;
    }
}

// Reads the fixed fields and bit masks and locates the colour table.
bool parseFixedHeader(Bytes info, DibHeader& h) {
    if (!fits(info, 0, kDibHeaderSize)) return false;
    const std::uint32_t headerSize = readLe(info, 0, 4);
    if (headerSize < kDibHeaderSize || !fits(info, 0, headerSize)) return false;
    h.width = std::int32_t(readLe(info, 4, 4));
    const std::int32_t rawHeight = std::int32_t(readLe(info, 8, 4));
    h.bitCount = int(readLe(info, 14, 2));
    h.compression = readLe(info, 16, 4);
    h.imageSize = readLe(info, 20, 4);
    const std::uint32_t coloursUsed = readLe(info, 32, 4);
    if (rawHeight == INT32_MIN) return false;
    h.topDown = rawHeight < 0;
    h.height = h.topDown ? -rawHeight : rawHeight;
    if (!pictureSizeAllowed(h.width, h.height) || !formatSupported(h)) return false;

    h.tableAt = headerSize;
    if (h.compression == kBitFields) {
        // A plain 40-byte header is followed by the three masks; longer headers hold them.
        if (!fits(info, kDibHeaderSize, 12)) return false;
        for (int i = 0; i < 3; ++i) h.masks[i] = readLe(info, kDibHeaderSize + 4 * i, 4);
        if (headerSize == kDibHeaderSize) h.tableAt += 12;
    } else if (h.bitCount == 16) {
        h.masks[0] = 0x7C00, h.masks[1] = 0x03E0, h.masks[2] = 0x001F;
    } else if (h.bitCount == 32) {
        h.masks[0] = 0xFF0000, h.masks[1] = 0x00FF00, h.masks[2] = 0x0000FF;
    }
    if (h.bitCount <= 8) {
        const std::uint32_t full = 1u << h.bitCount;
        h.paletteCount = coloursUsed == 0 || coloursUsed > full ? full : coloursUsed;
    }
    return true;
}

bool parseHeader(Bytes info, DibHeader& h) {
    if (!parseFixedHeader(info, h) || !fits(info, h.tableAt, std::size_t(h.paletteCount) * 4)) return false;
    for (std::uint32_t i = 0; i < h.paletteCount; ++i) {
        const std::size_t at = h.tableAt + 4 * i;
        h.palette.push_back(rgb(info[at + 2], info[at + 1], info[at]));
    }
    return true;
}

std::int64_t plainStride(const DibHeader& h) { return (std::int64_t(h.width) * h.bitCount + 31) / 32 * 4; }

int maskedChannel(std::uint32_t value, std::uint32_t mask) {
    if (mask == 0) return 0;
    const int shift = std::countr_zero(mask);
    const std::uint32_t top = mask >> shift;
    return int(std::uint64_t((value & mask) >> shift) * 255 / top);
}

Pixel paletteColour(const DibHeader& h, unsigned index) {
    return index < h.palette.size() ? h.palette[index] : 0;
}

Pixel* outputRow(const DibHeader& h, Surface& out, int storedRow) {
    return out.row(h.topDown ? storedRow : h.height - 1 - storedRow);
}

bool decodePlain(const DibHeader& h, Bytes bits, Surface& out) {
    const std::int64_t stride = plainStride(h);
    if (std::int64_t(bits.size()) < stride * h.height) return false;
    for (int r = 0; r < h.height; ++r) {
        const std::uint8_t* src = bits.data() + r * stride;
        Pixel* dst = outputRow(h, out, r);
        for (int x = 0; x < h.width; ++x) {
            switch (h.bitCount) {
                case 1: dst[x] = paletteColour(h, src[x >> 3] >> (7 - (x & 7)) & 1); break;
                case 4: dst[x] = paletteColour(h, x & 1 ? src[x >> 1] & 15 : src[x >> 1] >> 4); break;
                case 8: dst[x] = paletteColour(h, src[x]); break;
                case 24: dst[x] = rgb(src[3 * x + 2], src[3 * x + 1], src[3 * x]); break;
                default: {
                    const int size = h.bitCount / 8;
                    const std::uint32_t v = readLe(Bytes(src + size * x, size), 0, size);
                    dst[x] = rgb(maskedChannel(v, h.masks[0]), maskedChannel(v, h.masks[1]),
                                 maskedChannel(v, h.masks[2]));
                }
            }
        }
    }
    return true;
}

// Run-length coded 4- and 8-bit pictures. Pixels the code skips stay black;
// a code cut short by the end of the data leaves the rest black as well.
void decodeRunLength(const DibHeader& h, Bytes bits, Surface& out) {
    const bool nibbles = h.compression == kRle4;
    int x = 0, row = 0;
    auto put = [&](unsigned index) {
        if (x < h.width && row < h.height) outputRow(h, out, row)[x] = paletteColour(h, index);
        ++x;
    };
    auto nibbleOrByte = [&](std::uint8_t value, int i) -> unsigned {
        return nibbles ? (i & 1 ? value & 15 : value >> 4) : value;
    };
    std::size_t p = 0;
    while (fits(bits, p, 2) && row < h.height) {
        const int count = bits[p], code = bits[p + 1];
        p += 2;
        if (count > 0) {
            for (int i = 0; i < count; ++i) put(nibbleOrByte(std::uint8_t(code), i));
        } else if (code == 0) {
            x = 0, ++row;
        } else if (code == 1) {
            return;
        } else if (code == 2) {
            if (!fits(bits, p, 2)) return;
            x += bits[p], row += bits[p + 1];
            p += 2;
        } else {
            const std::size_t length = nibbles ? (code + 1) / 2 : code;
            if (!fits(bits, p, length)) return;
            for (int i = 0; i < code; ++i) put(nibbleOrByte(bits[p + (nibbles ? i / 2 : i)], i));
            p += (length + 1) & ~std::size_t(1);  // absolute runs are padded to 16 bits
        }
    }
}

void putLe(std::vector<std::uint8_t>& out, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) out.push_back(std::uint8_t(value >> (8 * i)));
}

}  // namespace

bool decodeDib(Bytes info, Bytes bits, Surface& out) {
    DibHeader h;
    if (!parseHeader(info, h)) return false;
    Surface picture(h.width, h.height);
    if (h.compression == kRle8 || h.compression == kRle4) {
        decodeRunLength(h, bits, picture);
    } else if (!decodePlain(h, bits, picture)) {
        return false;
    }
    out = std::move(picture);
    return true;
}

bool dibLayout(const std::uint8_t* info, DibLayout& layout) {
    const std::uint32_t headerSize = readLe(Bytes(info, 4), 0, 4);
    if (headerSize < kDibHeaderSize || headerSize > kMaxHeaderSize) return false;
    const bool masksAfter = headerSize == kDibHeaderSize && readLe(Bytes(info, kDibHeaderSize), 16, 4) == kBitFields;
    DibHeader h;
    if (!parseFixedHeader(Bytes(info, headerSize + (masksAfter ? 12 : 0)), h)) return false;
    layout.infoSize = h.tableAt + std::size_t(h.paletteCount) * 4;
    const bool runLength = h.compression == kRle8 || h.compression == kRle4;
    layout.bitsSize = runLength ? h.imageSize : std::size_t(plainStride(h) * h.height);
    return true;
}

EncodedDib encodeDib24(const Surface& picture) {
    const std::size_t stride = (std::size_t(picture.width) * 3 + 3) & ~std::size_t(3);
    EncodedDib dib;
    putLe(dib.info, kDibHeaderSize, 4);
    putLe(dib.info, std::uint32_t(picture.width), 4);
    putLe(dib.info, std::uint32_t(picture.height), 4);
    putLe(dib.info, 1, 2);   // planes
    putLe(dib.info, 24, 2);  // bits per pixel
    putLe(dib.info, kPlain, 4);
    putLe(dib.info, std::uint32_t(stride * picture.height), 4);
    putLe(dib.info, 2835, 4);  // 72 dpi, as paint programs write
    putLe(dib.info, 2835, 4);
    putLe(dib.info, 0, 4);
    putLe(dib.info, 0, 4);
    dib.bits.resize(stride * picture.height, 0);
    for (int y = 0; y < picture.height; ++y) {
        std::uint8_t* dst = dib.bits.data() + stride * (picture.height - 1 - y);
        const Pixel* src = picture.row(y);
        for (int x = 0; x < picture.width; ++x) {
            dst[3 * x] = std::uint8_t(src[x]);
            dst[3 * x + 1] = std::uint8_t(src[x] >> 8);
            dst[3 * x + 2] = std::uint8_t(src[x] >> 16);
        }
    }
    return dib;
}

}  // namespace kv
