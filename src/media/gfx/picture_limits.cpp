#include "media/gfx/picture_limits.h"

#include <algorithm>
#include <cstring>

#include "media/gfx/gif_codes.h"

namespace kv {
namespace {

bool startsWith(Bytes file, const char* magic, std::size_t length) {
    return fits(file, 0, length) && std::memcmp(file.data(), magic, length) == 0;
}

bool pngSize(Bytes file, long long& width, long long& height) {
    // Signature, then the IHDR chunk: length, type, width, height.
    if (!fits(file, 0, 24) || std::memcmp(file.data() + 12, "IHDR", 4) != 0) return false;
    width = readBe(file, 16, 4);
    height = readBe(file, 20, 4);
    return true;
}

// Past a run of sub-blocks (each a length byte and its bytes, then a 0);
// nothing when the run goes past the end of the file.
std::optional<std::size_t> skipSubBlocks(Bytes file, std::size_t at) {
    while (fits(file, at, 1) && file[at] != 0) at += file[at] + 1u;
    if (!fits(file, at, 1)) return std::nullopt;
    return at + 1;
}

std::size_t colourTableSize(std::uint8_t flags) { return flags & 0x80 ? 3u << ((flags & 7) + 1) : 0; }

// The larger of the screen and of every image. The decoder takes the first
// image it can start decoding and, past one it cannot, hunts through the
// following bytes for anything that looks like the next; so the whole file
// must be blocks we can walk to their end, each image one the decoder
// starts on (a size of at least one pixel, a code size it accepts) and whose
// codes it can follow, or the size it would decode is not known.
bool gifSize(Bytes file, long long& width, long long& height) {
    constexpr std::uint8_t kExtension = 0x21, kImage = 0x2C, kTrailer = 0x3B;
    if (!fits(file, 0, 13)) return false;
    width = readLe(file, 6, 2);
    height = readLe(file, 8, 2);
    bool anyImage = false;
    std::size_t at = 13 + colourTableSize(file[10]);
    while (fits(file, at, 1) && file[at] != kTrailer) {
        std::optional<std::size_t> next;
        if (file[at] == kExtension) {
            next = skipSubBlocks(file, at + 2);
        } else {
            if (file[at] != kImage || !fits(file, at, 10)) return false;
            const long long imageWidth = readLe(file, at + 5, 2), imageHeight = readLe(file, at + 7, 2);
            if (imageWidth == 0 || imageHeight == 0) return false;
            width = std::max(width, imageWidth);
            height = std::max(height, imageHeight);
            anyImage = true;
            at += 10 + colourTableSize(file[at + 9]);
            if (!fits(file, at, 1) || file[at] > kLargestGifCodeSize) return false;
            next = skipSubBlocks(file, at + 1);
            if (next && !gifCodesSound(file, at, imageWidth * imageHeight)) return false;
        }
        if (!next) return false;
        at = *next;
    }
    return anyImage;
}

bool isStartOfFrame(std::uint8_t marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

bool jpegSize(Bytes file, long long& width, long long& height) {
    std::size_t at = 2;
    while (fits(file, at, 4)) {
        if (file[at] != 0xFF) return false;
        const std::uint8_t marker = file[at + 1];
        if (marker == 0xFF) {  // fill byte
            ++at;
            continue;
        }
        const std::size_t length = readBe(file, at + 2, 2);
        if (isStartOfFrame(marker)) {
            if (!fits(file, at + 4, 5)) return false;
            height = readBe(file, at + 5, 2);
            width = readBe(file, at + 7, 2);
            return true;
        }
        if (length < 2) return false;
        at += 2 + length;
    }
    return false;
}

}  // namespace

std::optional<DeclaredPicture> declaredPicture(Bytes file) {
    using platform::ImageFormat;
    DeclaredPicture picture{};
    bool known = false;
    if (startsWith(file, "\x89PNG\r\n\x1a\n", 8)) {
        picture.format = ImageFormat::Png;
        known = pngSize(file, picture.width, picture.height);
    } else if (startsWith(file, "GIF87a", 6) || startsWith(file, "GIF89a", 6)) {
        picture.format = ImageFormat::Gif;
        known = gifSize(file, picture.width, picture.height);
    } else if (startsWith(file, "\xFF\xD8", 2)) {
        picture.format = ImageFormat::Jpeg;
        known = jpegSize(file, picture.width, picture.height);
    }
    if (!known) return std::nullopt;
    return picture;
}

}  // namespace kv
