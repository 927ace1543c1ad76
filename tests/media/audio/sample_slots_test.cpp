#include "media/audio/sample_slots.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <random>
#include <vector>

#include "audio_fixtures.h"
#include "platform/folder_index.h"

namespace kv {
namespace {

using platform::SoundFileFormat;

class SampleSlotsTest : public ::testing::Test {
protected:
    // A 1000-frame 44100 Hz level written as 16-bit WAV.
    std::string writeWav(const std::string& name, int frames = 1000, std::int16_t level = 1000) {
        const auto path = folder / name;
        test::writeSound(path, SoundFileFormat::Wav16, test::makeLevel(44100, 1, frames, level));
        return path.string();
    }

    std::vector<std::int16_t> render(int frames) {
        std::vector<std::int16_t> out(std::size_t(frames) * 2);
        mixer.render(out.data(), frames);
        return out;
    }

    test::TempFolder folder;
    Mixer mixer{44100, kSampleSlotCount};
    SampleSlots slots{mixer};
};

TEST_F(SampleSlotsTest, LoadErrorsReportWhyTheFileIsNoSound) {
    using Chunks = std::vector<std::vector<std::uint8_t>>;
    const auto format = test::riffChunk("fmt ", test::pcmFormat(8000, 1));
    const auto data = test::riffChunk("data", test::pcmBytes({1, 2, 3, 4}));
    const auto shortFormat = test::riffChunk("fmt ", {1, 0, 1, 0});
    auto unknownCodec = test::pcmFormat(8000, 1);
    unknownCodec[0] = 0x77;  // a format tag no decoder knows
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        int expected;
    };
    const Case cases[] = {
        {"text.wav", {'n', 'o', 't', ' ', 'a', ' ', 's', 'o', 'u', 'n', 'd', '!'}, kSampleNotWave},
        {"empty.wav", {}, kSampleNotWave},
        {"nofmt.wav", test::riffWave(Chunks{data}), kSampleNoFormat},
        {"shortfmt.wav", test::riffWave(Chunks{shortFormat, data}), kSampleFormatShort},
        {"nodata.wav", test::riffWave(Chunks{format}), kSampleNoData},
        {"codec.wav", test::riffWave(Chunks{test::riffChunk("fmt ", unknownCodec), data}), kSampleNoBuffer},
        {"silent.wav", test::riffWave(Chunks{format, test::riffChunk("data", {})}), kSampleNoBuffer},
    };
    for (const Case& c : cases) {
        test::writeBytes(folder / c.name, c.bytes);
        EXPECT_EQ(slots.loadSample(1, (folder / c.name).string()), c.expected) << c.name;
        EXPECT_FALSE(slots.isLoaded(1)) << c.name;
    }
    EXPECT_EQ(slots.loadSample(1, (folder / "missing.wav").string()), kSampleNotOpened);
    EXPECT_EQ(slots.loadSample(1, ""), kSampleNotOpened);
    EXPECT_EQ(slots.loadSample(1, "/proc/self/mem"), kSampleNotOpened) << "opens, but no read succeeds";
}

TEST_F(SampleSlotsTest, SampleNumbersOutsideTheTableAreRefused) {
    const std::string wav = writeWav("a.wav");
    for (int slot : {-1, kSampleSlotCount, 5000}) {
        EXPECT_EQ(slots.loadSample(slot, wav), kSampleNoBuffer) << slot;
        EXPECT_EQ(slots.playSample(slot), 0);
        EXPECT_EQ(slots.isSamplePlaying(slot), 0);
        slots.setSampleRate(slot, 2.0f);
        slots.stopSample(slot);
    }
}

TEST(ChartSampleSlot, EveryChartNumberHasASlotOutsideTheMenuRange) {
    struct Case {
        int number;
        int slot;
    };
    for (const Case c : {Case{0, 0}, Case{575, 575}, Case{576, kHighChartSlotBase},
                         Case{1295, kSampleSlotCount - 1}, Case{-1, -1}, Case{1296, -1}})
        EXPECT_EQ(chartSampleSlot(c.number), c.slot) << c.number;
    for (int number = 0; number < kChartSampleNumbers; ++number) {
        const int slot = chartSampleSlot(number);
        ASSERT_TRUE(slot >= 0 && slot < kSampleSlotCount) << number;
        ASSERT_FALSE(slot >= kSlotTitleMusic && slot <= kSlotResultCheck) << number;
        ASSERT_TRUE(number == 0 || slot > chartSampleSlot(number - 1)) << number;  // no two numbers share a slot
    }
}

TEST_F(SampleSlotsTest, FailedLoadKeepsTheSoundThatWasThere) {
    const std::string wav = writeWav("a.wav");
    ASSERT_EQ(slots.loadSample(3, wav), kSampleLoaded);
    EXPECT_EQ(slots.loadSample(3, (folder / "missing.wav").string()), kSampleNotOpened);
    EXPECT_TRUE(slots.isLoaded(3));
}

TEST_F(SampleSlotsTest, QuietLoadingReportsSuccessButLeavesTheSlotEmpty) {
    slots.setQuietLoading(true);
    EXPECT_EQ(slots.loadSample(2, (folder / "missing.wav").string()), kSampleLoaded);
    EXPECT_FALSE(slots.isLoaded(2));
    EXPECT_EQ(slots.playSample(2), 0);
}

TEST_F(SampleSlotsTest, EmptySlotsDoNothing) {
    EXPECT_EQ(slots.playSample(7), 0);
    EXPECT_EQ(slots.playSampleLow(7), 0);
    EXPECT_EQ(slots.isSamplePlaying(7), 0);
    EXPECT_EQ(slots.sampleFrequency(7), 0u);
}

TEST_F(SampleSlotsTest, LoweredPlayReturnsExactlyToTheOwnPitch) {
    struct Case {
        int rate;
        float tempo;  // 0: no rate change
    };
    for (const Case c : {Case{44100, 0}, Case{22050, 0}, Case{11025, 0}, Case{44100, 1.37f}, Case{48000, 0.83f}}) {
        const auto path = folder / "pitch.wav";
        test::writeSound(path, SoundFileFormat::Wav16, test::makeLevel(c.rate, 1, 100, 1));
        ASSERT_EQ(slots.loadSample(4, path.string()), kSampleLoaded);
        if (c.tempo != 0) slots.setSampleRate(4, c.tempo);
        const std::uint32_t own = slots.sampleFrequency(4);
        EXPECT_EQ(own, c.tempo != 0 ? std::uint32_t(double(c.rate) * double(c.tempo)) : std::uint32_t(c.rate));
        for (int round = 0; round < 3; ++round) {
            slots.playSampleLow(4);
            EXPECT_EQ(slots.sampleFrequency(4), std::uint32_t(double(own) * 0.625)) << c.rate;
            slots.playSampleLow(4);  // lowering twice does not lower further
            EXPECT_EQ(slots.sampleFrequency(4), std::uint32_t(double(own) * 0.625)) << c.rate;
            slots.playSample(4);
            EXPECT_EQ(slots.sampleFrequency(4), own) << c.rate;
        }
    }
}

TEST_F(SampleSlotsTest, RateChangesLastUntilTheSlotIsLoadedAgain) {
    const std::string wav = writeWav("a.wav");
    ASSERT_EQ(slots.loadSample(5, wav), kSampleLoaded);
    slots.setSampleRate(5, 0.5f);
    EXPECT_EQ(slots.sampleFrequency(5), 22050u);
    slots.setSampleRate(5, 0.5f);
    EXPECT_EQ(slots.sampleFrequency(5), 11025u);
    // No factor that would stop the sound's clock, and no rate beyond what
    // a sound buffer takes.
    for (float bad : {0.0f, -1.0f, std::numeric_limits<float>::quiet_NaN()}) slots.setSampleRate(5, bad);
    EXPECT_EQ(slots.sampleFrequency(5), 11025u);
    slots.setSampleRate(5, 0.0001f);
    EXPECT_EQ(slots.sampleFrequency(5), kMinSampleFrequency);
    slots.setSampleRate(5, 1e9f);
    EXPECT_EQ(slots.sampleFrequency(5), kMaxSampleFrequency);

    ASSERT_EQ(slots.loadSample(5, wav), kSampleLoaded);
    EXPECT_EQ(slots.sampleFrequency(5), 44100u);
}

TEST_F(SampleSlotsTest, LoweredPlayLastsLonger) {
    ASSERT_EQ(slots.loadSample(6, writeWav("a.wav", 1000)), kSampleLoaded);
    slots.playSampleLow(6);
    render(1000);
    EXPECT_EQ(slots.isSamplePlaying(6), 1);  // 1000 frames at 0.625 pitch take 1600
    render(700);
    EXPECT_EQ(slots.isSamplePlaying(6), 0);
}

TEST_F(SampleSlotsTest, PlayRestartsAndStopSilences) {
    ASSERT_EQ(slots.loadSample(8, writeWav("a.wav", 1000, 1000)), kSampleLoaded);
    ASSERT_EQ(slots.loadSample(9, writeWav("b.wav", 1000, 500)), kSampleLoaded);
    EXPECT_EQ(slots.playSample(8), 1);
    EXPECT_EQ(slots.playSample(8), 1);  // pressed twice: still one voice
    EXPECT_EQ(slots.playSample(9), 1);
    EXPECT_EQ(render(1)[0], 1500);      // two different samples do sound together

    render(900);
    slots.playSample(8);
    render(500);
    EXPECT_EQ(slots.isSamplePlaying(8), 1);  // restarted, so still sounding
    EXPECT_EQ(slots.isSamplePlaying(9), 0);

    slots.stopSample(8);
    EXPECT_EQ(slots.isSamplePlaying(8), 0);
    render(44100 / 500);  // the stopped sound's 2 ms fade
    EXPECT_EQ(test::peakOf(render(10)), 0);
}

TEST_F(SampleSlotsTest, ReleasingChartSamplesKeepsMenuSounds) {
    const std::string wav = writeWav("a.wav");
    const int chartSlots[] = {chartSampleSlot(0), chartSampleSlot(575), chartSampleSlot(576), chartSampleSlot(1295)};
    for (int slot : chartSlots) ASSERT_EQ(slots.loadSample(slot, wav), kSampleLoaded) << slot;
    for (int slot : {kSlotTitleMusic, kSlotResultCheck}) ASSERT_EQ(slots.loadSample(slot, wav), kSampleLoaded);
    slots.playSample(chartSampleSlot(1295));
    slots.playSample(kSlotTitleMusic);
    slots.releaseChartSamples();
    for (int slot : chartSlots) EXPECT_FALSE(slots.isLoaded(slot)) << slot;
    EXPECT_EQ(slots.isSamplePlaying(chartSampleSlot(1295)), 0);
    EXPECT_TRUE(slots.isLoaded(kSlotTitleMusic));
    EXPECT_TRUE(slots.isLoaded(kSlotResultCheck));
    EXPECT_EQ(slots.isSamplePlaying(kSlotTitleMusic), 1);
    EXPECT_EQ(render(1)[0], 1000);  // only the menu sound is left

    slots.releaseAll();
    EXPECT_FALSE(slots.isLoaded(kSlotTitleMusic));
    EXPECT_EQ(test::peakOf(render(10)), 0);
}

TEST_F(SampleSlotsTest, MissingWavFallsBackToOtherEncodingsOfTheSameStem) {
    const auto tone = test::makeTone(44100, 1, 2000);
    test::writeSound(folder / "Kick.OGG", SoundFileFormat::OggVorbis, tone);
    test::writeSound(folder / "snare.flac", SoundFileFormat::Flac, tone);
    test::writeSound(folder / "hat.wav", SoundFileFormat::Wav16, test::makeLevel(44100, 1, 10, 1));
    test::writeSound(folder / "hat.ogg", SoundFileFormat::OggVorbis, tone);
    struct Case {
        const char* named;
        int expected;
    };
    for (const Case c : {Case{"kick.wav", kSampleLoaded}, Case{"KICK.WAV", kSampleLoaded},
                         Case{"snare.wav", kSampleLoaded}, Case{"snare", kSampleLoaded},
                         Case{"tom.wav", kSampleNotOpened}}) {
        EXPECT_EQ(slots.loadSample(10, (folder / c.named).string()), c.expected) << c.named;
    }
    // A file that is there is taken as named, not replaced by another stem.
    ASSERT_EQ(slots.loadSample(11, (folder / "hat.wav").string()), kSampleLoaded);
    slots.playSample(11);
    EXPECT_EQ(render(1)[0], 1);
}

}  // namespace
}  // namespace kv

namespace kv {
namespace {

// Amplitude, of full scale, of the strongest component of `samples` (one
// channel of interleaved stereo) between `fromHz` and `toHz`: a
// Hann-windowed DFT over `size` frames from `first`.
double strongestComponent(const std::vector<std::int16_t>& samples, int rate, std::size_t first, std::size_t size,
                          double fromHz, double toHz) {
    std::vector<double> windowed(size), cosine(size), sine(size);
    double windowSum = 0;
    for (std::size_t n = 0; n < size; ++n) {
        cosine[n] = std::cos(2 * std::numbers::pi * double(n) / double(size));
        sine[n] = std::sin(2 * std::numbers::pi * double(n) / double(size));
        const double w = 0.5 - 0.5 * cosine[n];
        windowed[n] = w * samples[(first + n) * 2] / 32768.0;
        windowSum += w;
    }
    double strongest = 0;
    for (std::size_t bin = 0; bin <= size / 2; ++bin) {
        const double hz = double(bin) * rate / double(size);
        if (hz < fromHz || hz > toHz) continue;
        double re = 0, im = 0;
        for (std::size_t n = 0; n < size; ++n) {
            re += windowed[n] * cosine[bin * n % size];
            im -= windowed[n] * sine[bin * n % size];
        }
        strongest = std::max(strongest, 2 * std::hypot(re, im) / windowSum);
    }
    return strongest;
}

// A chart's worth of loads, with the orders that matter: a slot named twice
// (the later sound wins, a later miss keeps the earlier one), sound data
// that cannot play (gives up the slot's old sound), rates to convert, a
// name in the wrong case and a number outside the table.
class SampleBatchTest : public ::testing::Test {
protected:
    SampleBatchTest() {
        for (int i = 0; i < 24; ++i) {
            const int rate = i % 3 == 0 ? 48000 : i % 3 == 1 ? 44100 : 22050;
            const auto format = i % 2 == 0 ? SoundFileFormat::OggVorbis : SoundFileFormat::Wav16;
            const std::string name = "s" + std::to_string(i) + (i % 2 == 0 ? ".ogg" : ".wav");
            test::writeSound(folder / name, format, test::makeTone(rate, 1 + i % 2, 2000 + 97 * i, 220.0 + 30 * i));
            loads.push_back({i + 1, (folder / name).string()});
        }
        const auto format = test::riffChunk("fmt ", test::pcmFormat(8000, 1));
        test::writeBytes(folder / "silent.wav", test::riffWave({format, test::riffChunk("data", {})}));
        loads.push_back({3, (folder / "s9.wav").string()});
        loads.push_back({4, (folder / "missing.wav").string()});
        loads.push_back({5, (folder / "silent.wav").string()});
        loads.push_back({6, (folder / "S7.WAV").string()});
        loads.push_back({-1, (folder / "s1.wav").string()});
    }

    // The slots after the loads, from a table that held sounds in slots 4 and 5.
    struct Outcome {
        std::vector<int> results;
        std::vector<const platform::PcmSound*> sounds;
        std::vector<std::uint32_t> frequencies;
    };

    Outcome outcome(SampleSlots& slots, std::vector<int> results) const {
        Outcome out{std::move(results), {}, {}};
        for (int slot = 0; slot <= 30; ++slot) {
            out.sounds.push_back(slots.loadedSound(slot));
            out.frequencies.push_back(slots.sampleFrequency(slot));
        }
        return out;
    }

    void preload(SampleSlots& slots) const {
        const auto old = folder / "old.wav";
        test::writeSound(old, SoundFileFormat::Wav16, test::makeLevel(44100, 1, 100, 7));
        for (int slot : {4, 5}) ASSERT_EQ(slots.loadSample(slot, old.string()), kSampleLoaded);
    }

    static void expectSameSlots(const Outcome& expected, const Outcome& actual, int threads) {
        EXPECT_EQ(actual.results, expected.results) << threads << " threads";
        EXPECT_EQ(actual.frequencies, expected.frequencies) << threads << " threads";
        for (std::size_t slot = 0; slot < expected.sounds.size(); ++slot) {
            const platform::PcmSound* want = expected.sounds[slot];
            const platform::PcmSound* got = actual.sounds[slot];
            ASSERT_EQ(got == nullptr, want == nullptr) << "slot " << slot << ", " << threads << " threads";
            if (!want) continue;
            EXPECT_EQ(got->rate, want->rate) << "slot " << slot;
            EXPECT_EQ(got->channels, want->channels) << "slot " << slot;
            EXPECT_EQ(got->samples, want->samples) << "slot " << slot << ", " << threads << " threads";
        }
    }

    test::TempFolder folder;
    std::vector<SampleLoad> loads;
};

TEST_F(SampleBatchTest, SlotsHoldTheSameSoundsOnOneThreadOrMany) {
    // The reference: one loadSample and one setSampleRate after the other.
    Mixer serialMixer{44100, kSampleSlotCount};
    SampleSlots serial{serialMixer};
    preload(serial);
    std::vector<int> serialResults;
    for (const SampleLoad& load : loads) {
        serialResults.push_back(serial.loadSample(load.slot, load.name));
        serial.setSampleRate(load.slot, 1.5f);
    }
    const Outcome expected = outcome(serial, serialResults);
    ASSERT_NE(expected.sounds[4], nullptr) << "a miss keeps the sound loaded before it";
    EXPECT_EQ(expected.sounds[5], nullptr) << "sound data that cannot be played empties the slot";
    EXPECT_NE(expected.sounds[6], nullptr) << "names are found in any letter case";

    for (int threads : {1, 2, 7}) {
        Mixer mixer{44100, kSampleSlotCount};
        SampleSlots slots{mixer};
        preload(slots);
        platform::FolderIndex names;
        expectSameSlots(expected, outcome(slots, slots.loadSamples(loads, 1.5f, names, threads)), threads);
    }
}

TEST(SampleConversion, ToneAboveTheOutputsNyquistLeavesNoAliasAndToneBelowItStays) {
    constexpr double kToneLevel = 0.5;
    struct Case {
        double hz;
        double lowestDb;   // strongest component below 11 kHz against the tone
        double highestDb;
    };
    // At the 22.05 kHz output a 15 kHz tone cannot sound; linear
    // interpolation alone folds it to 7.05 kHz at nearly full level.
    constexpr double kAny = -std::numeric_limits<double>::infinity();
    for (const Case c : {Case{15000, kAny, -60}, Case{5000, -1, 1}}) {
        test::TempFolder folder;
        const auto path = folder / "tone.wav";
        test::writeSound(path, platform::SoundFileFormat::Wav16, test::makeTone(44100, 1, 44100, c.hz, kToneLevel));
        Mixer mixer(22050, kSampleSlotCount);
        SampleSlots slots(mixer);
        ASSERT_EQ(slots.loadSample(1, path.string()), kSampleLoaded);
        EXPECT_EQ(slots.sampleFrequency(1), 44100u);  // the pitch keeps the file's own terms
        slots.playSample(1);
        std::vector<std::int16_t> out(22050 * 2);
        mixer.render(out.data(), 22050);
        // 4410 frames: 5 Hz bins, with 5 kHz and the 7.05 kHz alias on bins.
        const double strongest = strongestComponent(out, 22050, 4410, 4410, 20, 11000);
        const double db = 20 * std::log10(strongest / kToneLevel);
        EXPECT_GE(db, c.lowestDb) << c.hz;
        EXPECT_LE(db, c.highestDb) << c.hz;
    }
}

TEST(SampleConversion, SoundPlaysAtTheOutputRateForItsOwnLength) {
    platform::PcmSound noise = test::makeLevel(22050, 2, 2205, 0);
    std::minstd_rand random(3);
    for (auto& sample : noise.samples) sample = std::int16_t(std::uniform_int_distribution<int>(-8000, 8000)(random));
    struct Case {
        int outputRate;
        bool sameBytes;  // a sound already at the output rate is copied frame for frame
    };
    for (const Case c : {Case{22050, true}, Case{44100, false}, Case{48000, false}}) {
        test::TempFolder folder;
        const auto path = folder / "noise.wav";
        test::writeSound(path, platform::SoundFileFormat::Wav16, noise);
        Mixer mixer(c.outputRate, kSampleSlotCount);
        SampleSlots slots(mixer);
        ASSERT_EQ(slots.loadSample(2, path.string()), kSampleLoaded);
        slots.playSample(2);
        const int expectedFrames = c.outputRate / 10;  // 0.1 s
        std::vector<std::int16_t> out(std::size_t(expectedFrames) * 2);
        mixer.render(out.data(), expectedFrames - 2);
        EXPECT_EQ(slots.isSamplePlaying(2), 1) << c.outputRate;
        mixer.render(out.data() + (expectedFrames - 2) * 2, 2);
        std::int16_t frame[2];
        mixer.render(frame, 1);
        EXPECT_EQ(slots.isSamplePlaying(2), 0) << c.outputRate;
        if (c.sameBytes) EXPECT_EQ(out, noise.samples);
        else EXPECT_GT(test::peakOf(out), 4000) << c.outputRate;
    }
}

}  // namespace
}  // namespace kv
