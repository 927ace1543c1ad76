#include "platform/sound_file.h"

#include <gtest/gtest.h>

#include <cmath>

#include "audio_fixtures.h"

namespace kv {
namespace {

using platform::SoundFileFormat;

// Correlation of the second half of the tone written with what was read,
// `shift` samples later, so a decoder that returns noise or a garbled
// signal fails, not only one that returns silence. (The MP3 encoder fades
// in over its first frames.)
double similarity(const platform::PcmSound& written, const platform::PcmSound& read, std::size_t shift) {
    double dot = 0, a2 = 0, b2 = 0;
    const std::size_t from = written.samples.size() / 2;
    const std::size_t to = std::min(written.samples.size(), read.samples.size() - std::min(shift, read.samples.size()));
    for (std::size_t i = from; i < to; ++i) {
        const double a = written.samples[i], b = read.samples[i + shift];
        dot += a * b;
        a2 += a * a;
        b2 += b * b;
    }
    return a2 > 0 && b2 > 0 ? dot / std::sqrt(a2 * b2) : 0.0;
}

TEST(SoundFile, EveryFormatDecodesToTheToneWritten) {
    struct Case {
        const char* name;
        SoundFileFormat format;
        int channels;
        bool exactLength;  // lossy codecs pad or trim a little
    };
    const Case cases[] = {
        {"pcm8.wav", SoundFileFormat::Wav8, 1, true},
        {"pcm16.wav", SoundFileFormat::Wav16, 2, true},
        {"pcm24.wav", SoundFileFormat::Wav24, 1, true},
        {"float.wav", SoundFileFormat::WavFloat, 2, true},
        {"ima.wav", SoundFileFormat::WavImaAdpcm, 1, false},
        {"ms.wav", SoundFileFormat::WavMsAdpcm, 2, false},
        {"tone.ogg", SoundFileFormat::OggVorbis, 2, false},
        {"tone.flac", SoundFileFormat::Flac, 1, true},
        {"tone.mp3", SoundFileFormat::Mp3, 2, false},
    };
    test::TempFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto tone = test::makeTone(44100, c.channels, 44100);
        test::writeSound(folder / c.name, c.format, tone);
        platform::PcmSound read;
        ASSERT_EQ(platform::decodeSoundFile((folder / c.name).string(), read), platform::DecodeResult::Ok);
        EXPECT_EQ(read.rate, 44100);
        EXPECT_EQ(read.channels, c.channels);
        // Lossy codecs pad to whole blocks and may add a start delay.
        if (c.exactLength) EXPECT_EQ(read.frames(), tone.frames());
        else EXPECT_TRUE(read.frames() >= tone.frames() * 9 / 10 && read.frames() <= tone.frames() * 3 / 2);
        EXPECT_GT(test::peakOf(read.samples), 12000);
        // MP3 sound starts late by the encoder's delay; search a little.
        double best = 0;
        for (std::size_t shift = 0; shift < 4000 && best < 0.9; shift += std::size_t(c.channels))
            best = std::max(best, similarity(tone, read, shift));
        EXPECT_GT(best, 0.9);
    }
}

TEST(SoundFile, SixteenBitPcmRoundTripsExactly) {
    test::TempFolder folder;
    const auto tone = test::makeTone(22050, 2, 1000, 1000.0, 1.0);
    test::writeSound(folder / "exact.wav", SoundFileFormat::Wav16, tone);
    platform::PcmSound read;
    ASSERT_EQ(platform::decodeSoundFile((folder / "exact.wav").string(), read), platform::DecodeResult::Ok);
    EXPECT_EQ(read.samples, tone.samples);
}

TEST(SoundFile, ChunksBeforeDataHoldingDataLikeBytesDecodeRight) {
    // Chunks before the real data chunk whose contents hold "da" and even
    // "data": the samples must come from the real one.
    auto bytesOf = [](const std::string& text) { return std::vector<std::uint8_t>(text.begin(), text.end()); };
    const std::vector<std::int16_t> samples{1000, -1000, 2000, -2000, 3000, -3000};
    const std::vector<std::uint8_t> info = [&] {
        auto list = bytesOf("INFO");
        for (const auto& chunk : {test::riffChunk("ISFT", bytesOf("Audacity data tool")),
                                  test::riffChunk("INAM", bytesOf("dada"))})
            list.insert(list.end(), chunk.begin(), chunk.end());
        return list;
    }();
    const std::vector<std::uint8_t> earlier[] = {
        test::riffChunk("LIST", info),
        test::riffChunk("junk", bytesOf("data\x04\0\0\0dada")),
    };
    test::TempFolder folder;
    for (const auto& chunk : earlier) {
        test::writeBytes(folder / "extra.wav", test::riffWave({test::riffChunk("fmt ", test::pcmFormat(8000, 1)), chunk,
                                                              test::riffChunk("data", test::pcmBytes(samples))}));
        platform::PcmSound read;
        ASSERT_EQ(platform::decodeSoundFile((folder / "extra.wav").string(), read), platform::DecodeResult::Ok);
        EXPECT_EQ(read.samples, samples);
    }
}

TEST(SoundFile, MoreThanTwoChannelsKeepTheFirstTwo) {
    // Written by hand: a four-channel 16-bit PCM file.
    auto format = test::pcmFormat(8000, 4);
    const std::vector<std::int16_t> samples{1, 2, 3, 4, 5, 6, 7, 8};
    test::TempFolder folder;
    test::writeBytes(folder / "quad.wav",
                     test::riffWave({test::riffChunk("fmt ", format), test::riffChunk("data", test::pcmBytes(samples))}));
    platform::PcmSound read;
    ASSERT_EQ(platform::decodeSoundFile((folder / "quad.wav").string(), read), platform::DecodeResult::Ok);
    EXPECT_EQ(read.channels, 2);
    EXPECT_EQ(read.samples, (std::vector<std::int16_t>{1, 2, 5, 6}));
}

TEST(SoundFile, UnreadableInputsAreReported) {
    test::TempFolder folder;
    test::writeBytes(folder / "text.wav", {'h', 'e', 'l', 'l', 'o'});
    platform::PcmSound read;
    EXPECT_EQ(platform::decodeSoundFile((folder / "missing.wav").string(), read), platform::DecodeResult::Unreadable);
    EXPECT_EQ(platform::decodeSoundFile((folder / "text.wav").string(), read), platform::DecodeResult::Unreadable);
}

}  // namespace
}  // namespace kv
