// libFuzzer target: arbitrary bytes as a BMP file (every bit depth and
// compression the reader knows).
#include <cstdint>

#include "media/gfx/bmp_file.h"
#include "picture_round_trip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kv::Surface picture;
    if (!kv::readBmp(kv::Bytes(data, size), picture)) return 0;
    kv::fuzz::checkPictureRoundTrip(
        picture, [](const kv::Surface& s) { return kv::writeBmp(s); },
        [](const std::vector<std::uint8_t>& bytes, kv::Surface& out) { return kv::readBmp(bytes, out); });
    return 0;
}
