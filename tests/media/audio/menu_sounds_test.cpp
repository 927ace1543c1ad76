// The menu sounds the build generates into the program folder, as the game
// loads them at start.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <vector>

#include "audio_fixtures.h"
#include "media/audio/headless_audio.h"
#include "media/audio/sound_config.h"
#include "media/audio/sound_engine.h"
#include "platform/clock.h"

namespace kv {
namespace {

class MenuSoundsTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(std::filesystem::path(KV_HOME) / kSoundConfigFile))
            GTEST_SKIP() << "menu sounds not generated yet (build the menu_sounds target)";
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(KV_HOME);
    }
    void TearDown() override {
        shutdownSound();
        platform::useRealClock();
        if (!previous_.empty()) std::filesystem::current_path(previous_);
    }

private:
    std::filesystem::path previous_;
};

double rmsOf(const std::vector<std::int16_t>& samples) {
    double sum = 0;
    for (std::int16_t s : samples) sum += double(s) * s;
    return samples.empty() ? 0.0 : std::sqrt(sum / double(samples.size()));
}

TEST_F(MenuSoundsTest, TitleMusicIsAudibleInAHeadlessMixdown) {
    test::TempFolder folder;
    const std::string out = (folder / "title.wav").string();
    platform::ManualClock& clock = platform::useManualClock();
    startHeadlessAudio(out);
    ASSERT_EQ(initSound(1), 1);
    EXPECT_EQ(loadSoundConfig(), 0);
    for (int slot = kSlotTitleMusic; slot <= kSlotResultCheck; ++slot) {
        EXPECT_EQ(playSample(slot), 1) << slot;  // every menu sound loaded
        stopSample(slot);
    }
    playSample(kSlotTitleMusic);
    clock.waitUntil(3000000);
    EXPECT_EQ(isSamplePlaying(kSlotTitleMusic), 1);
    shutdownSound();

    platform::PcmSound written;
    ASSERT_EQ(platform::decodeSoundFile(out, written), platform::DecodeResult::Ok);
    EXPECT_EQ(written.frames(), 3u * 44100u);
    EXPECT_GT(rmsOf(written.samples), 1000.0);   // well above silence
    EXPECT_LT(test::peakOf(written.samples), 32767);  // and never clipping
}

// The peak of one slot's sound played alone to its end.
int peakPlayed(int slot) {
    if (playSample(slot) == 0) return -1;
    int peak = 0;
    std::vector<std::int16_t> block(4096 * 2);
    while (isSamplePlaying(slot)) {
        renderSound(block.data(), 4096);
        peak = std::max(peak, test::peakOf(block));
    }
    return peak;
}

TEST_F(MenuSoundsTest, EachScreensSoundsTogetherStayBelowFullScale) {
    ASSERT_EQ(initSoundPulled(1), 1);
    EXPECT_EQ(loadSoundConfig(), 0);
    // Each screen's music and the effects it can play over it.
    const std::vector<std::vector<int>> screens = {
        {kSlotTitleMusic, kSlotTitleCursor, kSlotTitleCheck},
        {kSlotSelectMusic, kSlotSelectCursor, kSlotSelectMode, kSlotSelectCheck},
        {kSlotResultMusic, kSlotResultSound, kSlotResultCheck},
    };
    for (const auto& slots : screens) {
        int sum = 0;
        for (int slot : slots) {
            const int peak = peakPlayed(slot);
            EXPECT_GT(peak, 1000) << slot;  // loaded and audible
            sum += peak;
        }
        EXPECT_LT(sum, 32767 * 9 / 10) << "screen of slot " << slots[0];  // 1 dB of headroom
    }
}

}  // namespace
}  // namespace kv
