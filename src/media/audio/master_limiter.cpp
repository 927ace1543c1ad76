#include "media/audio/master_limiter.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace kv {
namespace {

constexpr double kFullScale = 32767.0;
// Longer than half a period of a low bass note, so a steady loud tone
// settles at one gain instead of pumping between its peaks.
constexpr double kHoldSeconds = 0.02;
// Time constant of the recovery once the loud part has passed.
constexpr double kReleaseSeconds = 0.08;
// Closer to 1 than this, a gain changes no sample by half a step: the
// limiter is at rest again and the output exact.
constexpr double kRestGain = 1.0 - 0.5 / kFullScale;

}  // namespace

MasterLimiter::MasterLimiter(int outputRate)
    : holdFrames_(int(kHoldSeconds * outputRate)), releaseKeep_(std::exp(-1.0 / (kReleaseSeconds * outputRate))) {}

void MasterLimiter::process(const std::int32_t* mix, std::int16_t* out, int frames) {
    for (int frame = 0; frame < frames; ++frame, mix += 2, out += 2) {
        const double peak = double(std::max(std::abs(mix[0]), std::abs(mix[1])));
        // While the mix would clip at unity gain the gain stays down; it
        // rises only once the mix has been within full scale for the hold.
        if (peak > kFullScale) {
            holdLeft_ = holdFrames_;
        } else if (holdLeft_ > 0) {
            --holdLeft_;
        } else if (gain_ < 1.0) {
            gain_ = 1.0 - (1.0 - gain_) * releaseKeep_;
            if (gain_ > kRestGain) gain_ = 1.0;
        }
        if (peak * gain_ > kFullScale) gain_ = kFullScale / peak;
        if (gain_ == 1.0) {
            out[0] = std::int16_t(mix[0]);
            out[1] = std::int16_t(mix[1]);
        } else {
            // The gain keeps |sample| within full scale; the clamp only
            // guards the rounding of the one sample set exactly to it.
            out[0] = std::int16_t(std::clamp(std::lround(mix[0] * gain_), -32767L, 32767L));
            out[1] = std::int16_t(std::clamp(std::lround(mix[1] * gain_), -32767L, 32767L));
        }
    }
}

}  // namespace kv
