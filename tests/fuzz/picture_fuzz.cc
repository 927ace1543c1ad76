// libFuzzer target: arbitrary bytes as a chart's picture file, decoded the
// way the game opens one by name (BMP, then PNG, JPEG or GIF after the
// declared-size check).
#include <cstdint>
#include <cstdlib>
#include <unistd.h>

#include "fuzz_input.h"
#include "media/gfx/picture_file.h"
#include "media/gfx/picture_limits.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool entered = chdir(kv::fuzz::scratchFolder().c_str()) == 0;
    if (!entered) std::abort();
    kv::fuzz::writeInput("f.png", data, size);
    kv::Surface picture;
    if (kv::decodePictureFile("f.png", picture) != kv::DecodeResult::Decoded) return 0;
    if (!kv::pictureSizeAllowed(picture.width, picture.height)) std::abort();
    if (picture.pixels.size() != std::size_t(picture.width) * picture.height) std::abort();
    return 0;
}
