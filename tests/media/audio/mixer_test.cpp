#include "media/audio/mixer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
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

TEST(Mixer, SumsBeyondFullScaleAreLimitedInsteadOfWrapping) {
    struct Case {
        std::int16_t level;
        std::int16_t expected;
    };
    for (const Case c : {Case{30000, 32767}, Case{-30000, -32767}}) {
        Mixer mixer(44100, 2);
        const auto sound = makeLevel(44100, 1, 50, c.level);
        attach(mixer, 0, sound);
        attach(mixer, 1, sound);
        mixer.start(0);
        mixer.start(1);
        for (std::int16_t sample : renderFrames(mixer, 4)) EXPECT_EQ(sample, c.expected) << c.level;
    }
}

TEST(Mixer, SumUpToFullScaleIsExact) {
    Mixer mixer(44100, 2);
    const auto high = makeLevel(44100, 1, 50, 16384);
    const auto low = makeLevel(44100, 1, 50, 16383);
    attach(mixer, 0, high);
    attach(mixer, 1, low);
    mixer.start(0);
    mixer.start(1);
    EXPECT_EQ(renderFrames(mixer, 1)[0], 32767);
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
    const int fade = 2;  // frames of the cut-off sound's fade at 1000 Hz
    platform::PcmSound ramp;
    ramp.rate = 1000;
    ramp.channels = 1;
    for (int i = 0; i < 100; ++i) ramp.samples.push_back(std::int16_t(i * 10));
    attach(mixer, 0, ramp);
    mixer.start(0);
    renderFrames(mixer, 30);
    mixer.start(0);  // a second trigger restarts the one voice, no layering
    const auto restarted = renderFrames(mixer, 10);
    EXPECT_GT(restarted[0], 0);  // the cut-off sound fading under the new start
    for (int frame = fade; frame < 10; ++frame) EXPECT_EQ(restarted[std::size_t(frame) * 2], frame * 10) << frame;

    mixer.stop(0);
    EXPECT_FALSE(mixer.isPlaying(0));
    renderFrames(mixer, fade);
    EXPECT_EQ(test::peakOf(renderFrames(mixer, 20)), 0);
}

// The first frame of the output that is not silent, or -1.
int firstSounding(const std::vector<std::int16_t>& out) {
    for (std::size_t i = 0; i < out.size(); ++i)
        if (out[i] != 0) return int(i / 2);
    return -1;
}

TEST(Mixer, StartBeginsAtItsOwnFrameInsideTheRenderThatReachesIt) {
    constexpr int kBuffer = 256;
    struct Case {
        const char* where;
        std::int64_t atFrame;
    };
    const Case cases[] = {
        {"first frame of a buffer", 0},       {"middle of the first buffer", 100},
        {"last frame of a buffer", kBuffer - 1}, {"second buffer, first frame", kBuffer},
        {"second buffer, middle", kBuffer + 77},
    };
    const auto level = makeLevel(44100, 1, 1000, 1000);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        Mixer mixer(44100, 1);
        attach(mixer, 0, level);
        mixer.start(0, c.atFrame);
        std::vector<std::int16_t> out = renderFrames(mixer, kBuffer);
        const std::vector<std::int16_t> second = renderFrames(mixer, kBuffer);
        out.insert(out.end(), second.begin(), second.end());
        EXPECT_EQ(firstSounding(out), c.atFrame);
        EXPECT_EQ(out[std::size_t(c.atFrame) * 2], 1000);
    }
}

TEST(Mixer, StartAlreadyPassedBeginsAtOnce) {
    Mixer mixer(1000, 1);
    const auto level = makeLevel(1000, 1, 100, 1000);
    attach(mixer, 0, level);
    renderFrames(mixer, 50);
    mixer.start(0, 20);  // its frame went by: as soon as possible
    EXPECT_TRUE(mixer.isPlaying(0));
    EXPECT_EQ(firstSounding(renderFrames(mixer, 10)), 0);
    EXPECT_EQ(mixer.renderedFrames(), 60);
}

TEST(Mixer, RestartCutsTheSoundingVoiceAtItsOwnFrame) {
    Mixer mixer(1000, 1);
    platform::PcmSound ramp;
    ramp.rate = 1000;
    ramp.channels = 1;
    for (int i = 1; i <= 100; ++i) ramp.samples.push_back(std::int16_t(i * 10));
    attach(mixer, 0, ramp);
    mixer.start(0, 10);
    renderFrames(mixer, 15);  // the ramp sounds from frame 10
    mixer.start(0, 30);
    const auto out = renderFrames(mixer, 30);  // frames 15 to 44
    EXPECT_EQ(out[0], 60);        // ramp frame 5 at output frame 15
    EXPECT_EQ(out[14 * 2], 200);  // ramp frame 19 at output frame 29: not cut yet
    // From frame 30 the new start sounds under the 2-frame fade of the cut.
    EXPECT_EQ(out[17 * 2], 30);  // its frame 2 at output frame 32
}

// A held 440 Hz tone with a 5 ms attack, as a keysound would be.
platform::PcmSound heldTone() {
    platform::PcmSound tone = test::makeTone(44100, 1, 44100, 440.0, 0.6);
    const int attack = 44100 / 200;
    for (int i = 0; i < attack; ++i) tone.samples[std::size_t(i)] = std::int16_t(tone.samples[std::size_t(i)] * i / attack);
    return tone;
}

// Largest difference between neighbouring samples of one channel of
// interleaved stereo, silence before the first counting.
int largestStep(const std::vector<std::int16_t>& samples, int channels) {
    int largest = 0, previous = 0;
    for (std::size_t i = 0; i < samples.size(); i += std::size_t(channels)) {
        largest = std::max(largest, std::abs(samples[i] - previous));
        previous = samples[i];
    }
    return largest;
}

TEST(Mixer, CutsMidSoundFadeWithoutAClick) {
    const platform::PcmSound tone = heldTone();
    const int ownStep = largestStep(tone.samples, 1);
    const int fade = 44100 / 500;
    struct Case {
        const char* name;
        int cutAt;  // output frame of the restart or stop
        bool restart;
    };
    // 13055 lies on a crest of the tone, 13080 on a rising zero crossing.
    for (const Case c : {Case{"restart on a crest", 13055, true}, Case{"restart on a zero crossing", 13080, true},
                         Case{"stop on a crest", 13055, false}}) {
        Mixer mixer(44100, 1);
        attach(mixer, 0, tone);
        mixer.start(0);
        std::vector<std::int16_t> out = renderFrames(mixer, c.cutAt);
        c.restart ? mixer.start(0) : mixer.stop(0);
        const auto after = renderFrames(mixer, 2000);
        out.insert(out.end(), after.begin(), after.end());
        EXPECT_LE(largestStep(out, 2), ownStep) << c.name;
        for (int frame = fade; frame < 2000; ++frame) {
            // Past the fade: the new start alone, on its exact frame, or silence.
            const std::int16_t expected = c.restart ? tone.samples[std::size_t(frame)] : 0;
            ASSERT_EQ(after[std::size_t(frame) * 2], expected) << c.name << " frame " << frame;
        }
    }
}

TEST(Mixer, SixtyFourFullScaleVoicesStayCleanAndLoud) {
    constexpr int kVoices = 64;
    const platform::PcmSound tone = test::makeTone(44100, 1, 22050, 440.0, 1.0);
    Mixer mixer(44100, kVoices);
    for (int voice = 0; voice < kVoices; ++voice) {
        attach(mixer, voice, tone);
        mixer.start(voice);
    }
    const auto out = renderFrames(mixer, 11025);
    // Past the first crest the limiter has settled: the sum keeps the
    // tone's shape (a clipped one is near a square wave, correlation 0.9).
    double product = 0, outPower = 0, tonePower = 0;
    for (std::size_t frame = 4410; frame < 11025; ++frame) {
        const double sample = out[frame * 2], ideal = tone.samples[frame];
        product += sample * ideal;
        outPower += sample * sample;
        tonePower += ideal * ideal;
    }
    EXPECT_GT(product / std::sqrt(outPower * tonePower), 0.9999);
    EXPECT_GT(test::peakOf({out.begin() + 4410 * 2, out.end()}), 32000);  // turned down to full scale, not silenced
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
