#include "media/audio/headless_audio.h"

#include <gtest/gtest.h>

#include "audio_fixtures.h"
#include "media/audio/sound_engine.h"
#include "platform/clock.h"

namespace kv {
namespace {

TEST(HeadlessAudio, MixFollowsTheManualClockIntoTheWavFile) {
    test::TempFolder folder;
    test::writeSound(folder / "beep.wav", platform::SoundFileFormat::Wav16, test::makeTone(22050, 1, 2205));
    const std::string out = (folder / "out.wav").string();

    platform::ManualClock& clock = platform::useManualClock();
    startHeadlessAudio(out);
    ASSERT_EQ(initSound(0), 1);
    EXPECT_EQ(soundOutputRate(), 22050);
    clock.advanceTo(500000);
    ASSERT_EQ(loadSample(1, (folder / "beep.wav").string()), kSampleLoaded);
    playSample(1);
    clock.waitUntil(650000);
    EXPECT_EQ(isSamplePlaying(1), 0);  // its 0.1 s went by with the clock
    clock.framePresented();            // on to the next 1/60 s boundary
    const platform::Micros end = clock.nowMicros();
    EXPECT_GT(end, 650000);
    shutdownSound();
    platform::useRealClock();

    platform::PcmSound written;
    ASSERT_EQ(platform::decodeSoundFile(out, written), platform::DecodeResult::Ok);
    EXPECT_EQ(written.rate, 22050);
    EXPECT_EQ(written.channels, 2);
    EXPECT_EQ(written.frames(), std::size_t(end * 22050 / 1000000));
    // Silence until the beep at 0.5 s, then the beep.
    const auto at = [&](double seconds) { return written.samples.begin() + std::ptrdiff_t(seconds * 22050) * 2; };
    EXPECT_EQ(test::peakOf({written.samples.begin(), at(0.5)}), 0);
    EXPECT_GT(test::peakOf({at(0.5), at(0.6)}), 10000);
    EXPECT_EQ(test::peakOf({at(0.6), written.samples.end()}), 0);
}

}  // namespace
}  // namespace kv
