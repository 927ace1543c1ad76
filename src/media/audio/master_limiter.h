#pragma once
// The last stage of the mix: the 32-bit sum of every voice becomes 16-bit
// output. A mix within full scale passes bit for bit. A louder one is
// turned down at once, on the very frame that would clip, then held and
// let back up smoothly, so dense keysound stacks get quieter instead of
// distorting. Without look-ahead it adds no delay to the output.
#include <cstdint>

namespace kv {

class MasterLimiter {
public:
    explicit MasterLimiter(int outputRate);

    // `frames` interleaved stereo frames; both channels share one gain so
    // the stereo image stays put.
    void process(const std::int32_t* mix, std::int16_t* out, int frames);

    // 1 while the limiter is at rest.
    double gain() const { return gain_; }

private:
    double gain_ = 1.0;
    int holdLeft_ = 0;     // frames before the gain may rise again
    int holdFrames_;
    double releaseKeep_;   // share of the gain reduction kept per frame
};

}  // namespace kv
