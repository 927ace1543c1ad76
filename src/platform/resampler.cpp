#include "platform/resampler.h"

#include <soxr.h>

#include <cmath>
#include <new>
#include <vector>

namespace kv::platform {

bool resampleSound(PcmSound& sound, int rate) {
    if (sound.rate == rate || sound.channels < 1 || rate < 1) return true;
    const std::size_t inFrames = sound.frames();
    const auto outFrames = std::size_t(std::ceil(double(inFrames) * rate / sound.rate));
    // High quality: 20-bit precision with the passband flat to 91 % of the
    // lower Nyquist frequency and full rejection from it on; linear phase,
    // so a keysound's attack stays on its frame. No dither, so a sound
    // converts to the same bytes on every load.
    soxr_io_spec_t io = soxr_io_spec(SOXR_INT16_I, SOXR_INT16_I);
    io.flags |= SOXR_NO_DITHER;
    const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, SOXR_LINEAR_PHASE);
    const soxr_runtime_spec_t runtime = soxr_runtime_spec(1);
    try {
        std::vector<std::int16_t> converted(outFrames * std::size_t(sound.channels));
        std::size_t done = 0;
        if (soxr_oneshot(double(sound.rate), double(rate), unsigned(sound.channels), sound.samples.data(), inFrames,
                         nullptr, converted.data(), outFrames, &done, &io, &quality, &runtime))
            return false;
        converted.resize(done * std::size_t(sound.channels));
        sound.samples = std::move(converted);
        sound.rate = rate;
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

}  // namespace kv::platform
