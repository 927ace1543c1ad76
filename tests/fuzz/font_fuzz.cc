// libFuzzer target: arbitrary bytes as the font file a "KV2.CFG" font line
// names by its path, measured, narrowed and drawn as chart titles are.
#include <cstdint>

#include "base/surface.h"
#include "fuzz_input.h"
#include "media/gfx/system_text.h"
#include "platform/font_renderer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = kv::fuzz::writeInput("f.ttf", data, size).string();
    // Latin, kana, kanji, Hangul and a malformed byte.
    constexpr std::string_view text = "Ag \xE3\x81\x82\xE6\xBC\xA2\xED\x95\x9C\xFF";
    kv::squeezeToWidth(text, 120, 20, path);
    static kv::Surface target(64, 24);
    kv::drawTextOn(target, 2, 2, text, 12, 0, kv::rgb(255, 255, 255), path);
    kv::drawTextOn(target, -30, 10, text, 40, 3, kv::rgb(255, 255, 255), path);
    kv::platform::closeFontFile(path);
    return 0;
}
