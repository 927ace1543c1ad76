#include "media/audio/master_limiter.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <vector>

namespace kv {
namespace {

constexpr int kRate = 44100;

std::vector<std::int16_t> process(MasterLimiter& limiter, const std::vector<std::int32_t>& mix) {
    std::vector<std::int16_t> out(mix.size());
    limiter.process(mix.data(), out.data(), int(mix.size() / 2));
    return out;
}

// Stereo frames of one level on both channels.
std::vector<std::int32_t> level(std::int32_t value, int frames) { return std::vector<std::int32_t>(std::size_t(frames) * 2, value); }

TEST(MasterLimiter, MixWithinFullScalePassesBitForBit) {
    MasterLimiter limiter(kRate);
    std::vector<std::int32_t> mix;
    for (std::int32_t value = -32767; value <= 32767; value += 7) mix.push_back(value);
    std::minstd_rand random(5);
    std::uniform_int_distribution<std::int32_t> any(-32767, 32767);
    for (int i = 0; i < 20000; ++i) mix.push_back(any(random));
    if (mix.size() % 2) mix.push_back(32767);
    const auto out = process(limiter, mix);
    EXPECT_EQ(std::vector<std::int32_t>(out.begin(), out.end()), mix);
    EXPECT_EQ(limiter.gain(), 1.0);
}

TEST(MasterLimiter, LoudPassageIsTurnedDownThenRecoversExactly) {
    MasterLimiter limiter(kRate);
    auto mix = level(10000, 100);
    const auto loud = level(100000, 10);
    mix.insert(mix.end(), loud.begin(), loud.end());
    const auto after = level(10000, kRate);
    mix.insert(mix.end(), after.begin(), after.end());
    const auto out = process(limiter, mix);

    for (std::size_t i = 0; i < 200; ++i) EXPECT_EQ(out[i], 10000) << i;               // untouched before
    for (std::size_t i = 200; i < 220; ++i) EXPECT_EQ(out[i], 32767) << i;             // full scale, no further
    EXPECT_EQ(out[220], 3277);                                                         // held down right after
    for (std::size_t i = 222; i < out.size(); i += 2) EXPECT_GE(out[i], out[i - 2]) << i;  // rising back smoothly
    for (std::size_t i = 222; i < out.size(); i += 2) EXPECT_LE(out[i] - out[i - 2], 2) << i;
    EXPECT_EQ(out.back(), 10000);  // at rest again: exact
    EXPECT_EQ(limiter.gain(), 1.0);
}

TEST(MasterLimiter, BothChannelsShareOneGainAndKeepTheirSign) {
    MasterLimiter limiter(kRate);
    const auto out = process(limiter, {-65534, 1000, 65534, -20000});
    EXPECT_EQ(out, (std::vector<std::int16_t>{-32767, 500, 32767, -10000}));
}

}  // namespace
}  // namespace kv
