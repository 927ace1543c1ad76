#include "support/loudness.h"

#include <algorithm>
#include <cmath>

namespace kv::test {

double loudness(const platform::PcmSound& sound, double fromMs, double toMs) {
    const auto sampleAt = [&](double ms) {
        const std::size_t frame = std::min(sound.frames(), std::size_t(std::max(0.0, ms) * sound.rate / 1000.0));
        return frame * std::size_t(sound.channels);
    };
    const std::size_t first = sampleAt(fromMs), last = sampleAt(toMs);
    double sum = 0;
    for (std::size_t i = first; i < last; ++i) sum += double(sound.samples[i]) * sound.samples[i];
    return last > first ? std::sqrt(sum / double(last - first)) : 0.0;
}

}  // namespace kv::test
