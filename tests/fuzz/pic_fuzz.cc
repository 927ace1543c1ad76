// libFuzzer target: arbitrary bytes as a ".pic" skin sheet.
#include <cstdint>

#include "media/gfx/pic_file.h"
#include "picture_round_trip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kv::Surface picture;
    if (!kv::readPic(kv::Bytes(data, size), picture)) return 0;
    kv::fuzz::checkPictureRoundTrip(
        picture, [](const kv::Surface& s) { return kv::writePic(s); },
        [](const std::vector<std::uint8_t>& bytes, kv::Surface& out) { return kv::readPic(bytes, out); });
    return 0;
}
