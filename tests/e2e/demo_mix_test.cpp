// The demo songs mixed down by `game --render`: every chart keeps clear of
// full scale on its own, so the output limiter never touches our songs,
// and the render reports the peak it reached, in one line when its stderr
// is a log rather than a terminal.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/sound_file.h"
#include "support/game_folder.h"

namespace kv {
namespace {

namespace fs = std::filesystem;

TEST(DemoMix, EveryDemoChartRendersWithHeadroomAndReportsItsPeak) {
    test::GameFolder game(KV_HOME);
    for (const char* chart : {"tide_pool_5.bms", "tide_pool_7.bme", "tide_pool_14.bme"}) {
        SCOPED_TRACE(chart);
        const fs::path wav = game / (std::string(chart) + ".wav");
        const auto run = game.tool({"--render", (game / "demo/tide pool" / chart).string(), wav.string()});
        ASSERT_EQ(run.exitCode, 0) << run.errors;

        platform::PcmSound mix;
        ASSERT_EQ(platform::decodeSoundFile(wav.string(), mix), platform::DecodeResult::Ok);
        int peak = 0;
        for (std::int16_t sample : mix.samples) peak = std::max(peak, std::abs(int(sample)));
        EXPECT_LT(peak, 29204);  // at least 1 dB below full scale
        EXPECT_GT(peak, 8231);   // and no quieter than -12 dB
        char reported[32];
        std::snprintf(reported, sizeof reported, "peak %.1f dBFS", 20.0 * std::log10(peak / 32768.0));
        EXPECT_NE(run.errors.find(reported), std::string::npos) << run.errors;
        EXPECT_EQ(std::count(run.errors.begin(), run.errors.end(), '\n'), 1) << run.errors;
        EXPECT_EQ(run.errors.find('\r'), std::string::npos) << run.errors;
    }
}

}  // namespace
}  // namespace kv
