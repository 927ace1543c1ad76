// libFuzzer target: arbitrary bytes as a ".kzk" skin definition, with a
// sheet beside it that well-formed lines can name.
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <unistd.h>

#include "fuzz_input.h"
#include "media/gfx/skin.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool ready = chdir(kv::fuzz::scratchFolder().c_str()) == 0 && std::ofstream("title.bmp").good();
    if (!ready) std::abort();
    kv::fuzz::writeInput("f.kzk", data, size);
    if (kv::readSkin("f.kzk") != 1) std::abort();
    // Colours are 0x00RRGGBB.
    for (kv::Pixel colour : {kv::skin.FONTCOLOR, kv::skin.COMCOLOR, kv::skin.CLEARCOLOR})
        if (colour > 0xFFFFFF) std::abort();
    return 0;
}
