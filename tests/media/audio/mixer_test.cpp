#include "media/audio/mixer.h"

#include <gtest/gtest.h>

#include <vector>

#include "audio_fixtures.h"

namespace kv {
namespace {

using test::makeLevel;

// Renders `frames` frames in one pull.
std::vector<std::int16_t> renderFrames(Mixer& mixer, int frames) {
    std::vector<std::int16_t> out(std::size_t(frames) * 2);
    mixer.render(out.data(), frames);
    return out;
}

// Output frames until the voice reports it has ended, pulled a frame at a
// time.
int framesUntilEnd(Mixer& mixer, int voice, int limit) {
    std::int16_t frame[2];
    for (int played = 0; played < limit; ++played) {
        mixer.render(frame, 1);
        if (!mixer.isPlaying(voice)) return played;
    }
    return limit;
}

void attach(Mixer& mixer, int voice, const platform::PcmSound& sound) {
    mixer.setSound(voice, &sound);
    mixer.setFrequency(voice, std::uint32_t(sound.rate));
}

TEST(Mixer, TwoVoicesSumAndMonoFeedsBothChannels) {
    Mixer mixer(44100, 4);
    const auto mono = makeLevel(44100, 1, 100, 1000);
    platform::PcmSound stereo = makeLevel(44100, 2, 100, 0);
    for (std::size_t i = 0; i < stereo.samples.size(); i += 2) {
        stereo.samples[i] = 200;
        stereo.samples[i + 1] = -300;
    }
    attach(mixer, 0, mono);
    attach(mixer, 3, stereo);
    mixer.start(0);
    mixer.start(3);
    const auto out = renderFrames(mixer, 10);
    EXPECT_EQ(out[0], 1200);
    EXPECT_EQ(out[1], 700);
    EXPECT_EQ(out[18], 1200);
    EXPECT_EQ(out[19], 700);
}

TEST(Mixer, SumsSaturateInsteadOfWrapping) {
    Mixer mixer(44100, 3);
    const auto high = makeLevel(44100, 1, 50, 30000);
    const auto low = makeLevel(44100, 1, 50, -30000);
    attach(mixer, 0, high);
    attach(mixer, 1, high);
    mixer.start(0);
    mixer.start(1);
    auto out = renderFrames(mixer, 4);
    EXPECT_EQ(out[0], 32767);
    EXPECT_EQ(out[1], 32767);

    mixer.stop(0);
    mixer.stop(1);
    attach(mixer, 2, low);
    mixer.setSound(0, &low);
    mixer.start(0);
    mixer.start(2);
    out = renderFrames(mixer, 4);
    EXPECT_EQ(out[0], -32768);
}

TEST(Mixer, PlaybackLengthFollowsTheVoiceFrequency) {
    struct Case {
        std::uint32_t frequency;
        int outputFrames;
    };
    // 1000 source frames at 22050 Hz played into a 44100 Hz output.
    for (const Case c : {Case{22050, 2000}, Case{44100, 1000}, Case{11025, 4000}, Case{88200, 500}}) {
        Mixer mixer(44100, 1);
        const auto sound = makeLevel(22050, 1, 1000, 100);
        mixer.setSound(0, &sound);
        mixer.setFrequency(0, c.frequency);
        mixer.start(0);
        EXPECT_EQ(framesUntilEnd(mixer, 0, 10000), c.outputFrames) << c.frequency;
    }
}

TEST(Mixer, ResamplingInterpolatesBetweenSourceFrames) {
    Mixer mixer(44100, 1);
    platform::PcmSound ramp;
    ramp.rate = 22050;
    ramp.channels = 1;
    ramp.samples = {0, 1000, 2000, 3000};
    attach(mixer, 0, ramp);
    mixer.start(0);
    const auto out = renderFrames(mixer, 8);
    const std::vector<std::int16_t> left{out[0], out[2], out[4], out[6], out[8], out[10], out[12], out[14]};
    // Halfway points land between neighbours; the last frame fades toward
    // silence rather than reading past the end.
    EXPECT_EQ(left, (std::vector<std::int16_t>{0, 500, 1000, 1500, 2000, 2500, 3000, 1500}));
}

TEST(Mixer, StartRestartsFromTheFirstFrameAndStopSilences) {
    Mixer mixer(1000, 1);
    platform::PcmSound ramp;
    ramp.rate = 1000;
    ramp.channels = 1;
    for (int i = 0; i < 100; ++i) ramp.samples.push_back(std::int16_t(i * 10));
    attach(mixer, 0, ramp);
    mixer.start(0);
    renderFrames(mixer, 30);
    mixer.start(0);  // a second trigger restarts the one voice, no layering
    EXPECT_EQ(renderFrames(mixer, 1)[0], 0);
    EXPECT_EQ(renderFrames(mixer, 1)[0], 10);

    mixer.stop(0);
    EXPECT_FALSE(mixer.isPlaying(0));
    EXPECT_EQ(test::peakOf(renderFrames(mixer, 20)), 0);
}

TEST(Mixer, IsPlayingUntilTheSoundEnds) {
    Mixer mixer(1000, 2);
    const auto sound = makeLevel(1000, 1, 10, 5);
    attach(mixer, 1, sound);
    EXPECT_FALSE(mixer.isPlaying(1));
    mixer.start(1);
    EXPECT_TRUE(mixer.isPlaying(1));  // before the renderer even saw it
    EXPECT_EQ(framesUntilEnd(mixer, 1, 100), 10);
}

TEST(Mixer, VoiceWithoutSoundOrOutOfRangeDoesNothing) {
    Mixer mixer(1000, 1);
    mixer.start(0);
    mixer.start(5);
    mixer.setFrequency(-1, 100);
    EXPECT_EQ(test::peakOf(renderFrames(mixer, 10)), 0);
    EXPECT_FALSE(mixer.isPlaying(0));
    EXPECT_FALSE(mixer.isPlaying(5));
}

TEST(Mixer, StreamIsAddedToTheVoices) {
    struct Constant final : MixerStream {
        void mixInto(std::int32_t* mix, int frames) override {
            for (int i = 0; i < frames * 2; ++i) mix[i] += 7;
        }
    } stream;
    Mixer mixer(1000, 1);
    const auto sound = makeLevel(1000, 1, 10, 100);
    attach(mixer, 0, sound);
    mixer.start(0);
    mixer.setStream(&stream);
    EXPECT_EQ(renderFrames(mixer, 1)[0], 107);
    mixer.setStream(nullptr);
    mixer.waitForRenders();
    EXPECT_EQ(renderFrames(mixer, 1)[0], 100);
}

}  // namespace
}  // namespace kv
