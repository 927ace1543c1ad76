// libFuzzer target: arbitrary bytes as "KV2SOUND.CFG", read at start-up
// with a menu sound beside it that well-formed lines can name.
#include <cstdint>
#include <cstdlib>
#include <unistd.h>

#include "fuzz_input.h"
#include "media/audio/sound_config.h"
#include "media/audio/sound_engine.h"
#include "platform/sound_file.h"

namespace {

bool prepare() {
    if (chdir(kv::fuzz::scratchFolder().c_str()) != 0 || kv::initSoundPulled(1) != 1) return false;
    kv::platform::SoundFileWriter writer;
    const std::int16_t blip[64] = {0, 9000, 0, -9000};
    return writer.open("menu.wav", kv::platform::SoundFileFormat::Wav16, 22050, 1) && writer.write(blip, 64);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool ready = prepare();
    if (!ready) std::abort();
    kv::fuzz::writeInput(kv::kSoundConfigFile, data, size);
    kv::loadSoundConfig();
    return 0;
}
