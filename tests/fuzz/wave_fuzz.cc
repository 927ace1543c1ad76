// libFuzzer target: arbitrary bytes as a keysound file, loaded into a slot
// the way a chart's "#WAV" line loads it (decoder, then the chunk walk that
// tells why a refused file is not a WAV), and played for a moment.
#include <cstdint>
#include <cstdlib>
#include <unistd.h>

#include "fuzz_input.h"
#include "media/audio/sample_slots.h"
#include "media/audio/sound_engine.h"
#include "media/audio/wave_chunks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool ready = chdir(kv::fuzz::scratchFolder().c_str()) == 0 && kv::initSoundPulled(1) == 1;
    if (!ready) std::abort();
    const int why = kv::classifyUndecodableWave({data, size});
    if (why < kv::kSampleNotWave || why > kv::kSampleNoBuffer || why == 6) std::abort();

    kv::fuzz::writeInput("f.wav", data, size);
    const int result = kv::loadSample(1, "f.wav");
    if (result == kv::kSampleLoaded) {
        kv::playSample(1);
        std::int16_t out[512];
        kv::renderSound(out, 256);
    }
    // Freed within the input: memory an input keeps makes libFuzzer scan
    // the whole heap for leaks after it, which would cost most of the time.
    kv::releaseChartSamples();
    return 0;
}
