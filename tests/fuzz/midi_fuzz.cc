// libFuzzer target: arbitrary bytes as a chart's "#MIDIFILE", opened,
// started and rendered through the game's mixer.
#include <cstdint>
#include <cstdlib>
#include <unistd.h>

#include "fuzz_input.h"
#include "media/audio/midi_music.h"
#include "media/audio/mixer.h"
#include "media/audio/sound_engine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool ready = chdir(kv::fuzz::scratchFolder().c_str()) == 0 && kv::initSoundPulled(0) == 1;
    if (!ready) std::abort();
    kv::fuzz::writeInput("f.mid", data, size);
    if (kv::openMidi("f.mid")) {
        kv::playMidi();
        // The file is parsed when the player starts, in the first chunk;
        // a second chunk plays its first events.
        std::int16_t out[2 * 2 * kv::Mixer::kChunkFrames];
        kv::renderSound(out, 2 * kv::Mixer::kChunkFrames);
    }
    kv::closeMidi();
    return 0;
}
