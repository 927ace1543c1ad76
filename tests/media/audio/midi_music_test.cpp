#include "media/audio/midi_music.h"

#include <gtest/gtest.h>

#include <vector>

#include "audio_fixtures.h"
#include "media/audio/sound_engine.h"
#include "platform/midi_synth.h"

namespace kv {
namespace {

// The synthesizer dithers its output: silence may hold a stray 1.
constexpr int kSilence = 8;

// A one-track MIDI file: a piano C major arpeggio, one quarter note each
// at 120 beats per minute (96 ticks per quarter), lasting 1.5 s, after
// the channel's volume is set to `volume` when that is given.
std::vector<std::uint8_t> arpeggio(int volume = -1) {
    std::vector<std::uint8_t> track{0x00, 0xC0, 0x00};  // program: piano
    if (volume >= 0)
        for (std::uint8_t byte : {0x00, 0xB0, 0x07, int(volume)}) track.push_back(byte);
    for (std::uint8_t note : {60, 64, 67}) {
        for (std::uint8_t byte : {0x00, 0x90, int(note), 100, 0x60, 0x80, int(note), 0}) track.push_back(byte);
    }
    for (std::uint8_t byte : {0x00, 0xFF, 0x2F, 0x00}) track.push_back(byte);
    std::vector<std::uint8_t> file{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96, 'M', 'T', 'r', 'k', 0, 0, 0};
    file.push_back(std::uint8_t(track.size()));
    for (std::uint8_t byte : track) file.push_back(byte);
    return file;
}

class MidiMusicTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (platform::findSoundfont().empty()) GTEST_SKIP() << "no General MIDI soundfont installed";
        initSoundPulled(1);
        test::writeBytes(folder / "song.mid", arpeggio());
    }
    void TearDown() override { shutdownSound(); }

    // Peak of the next `seconds` of the mix.
    int peakOfNext(double seconds) {
        std::vector<std::int16_t> out(std::size_t(44100 * seconds) * 2);
        renderSound(out.data(), int(out.size() / 2));
        return test::peakOf(out);
    }

    test::TempFolder folder;
};

TEST_F(MidiMusicTest, PlaysIntoTheMixOnlyAfterPlay) {
    ASSERT_TRUE(openMidi((folder / "song.mid").string()));
    EXPECT_EQ(peakOfNext(0.5), 0);
    ASSERT_TRUE(playMidi());
    EXPECT_GT(peakOfNext(1.0), 1000);
}

TEST_F(MidiMusicTest, StopKeepsTheMusicAndCloseSilencesIt) {
    ASSERT_TRUE(openMidi((folder / "SONG.MID").string()));  // names resolve in any case
    playMidi();
    peakOfNext(0.2);
    EXPECT_FALSE(stopMidi());
    EXPECT_GT(peakOfNext(0.5), 1000);
    EXPECT_TRUE(closeMidi());
    EXPECT_LT(peakOfNext(0.5), kSilence);
    EXPECT_FALSE(playMidi());
}

TEST_F(MidiMusicTest, PlayStartsOverFromTheBeginning) {
    ASSERT_TRUE(openMidi((folder / "song.mid").string()));
    playMidi();
    peakOfNext(3.0);
    EXPECT_LT(peakOfNext(0.5), kSilence);  // the song is over
    playMidi();
    EXPECT_GT(peakOfNext(0.5), 1000);
}

TEST_F(MidiMusicTest, UnplayableFilesLeaveTheMusicSilent) {
    test::writeBytes(folder / "broken.mid", {'n', 'o', 't', ' ', 'm', 'i', 'd', 'i'});
    for (const char* name : {"missing.mid", "broken.mid", ""}) {
        EXPECT_FALSE(openMidi(name[0] ? (folder / name).string() : std::string())) << name;
        EXPECT_FALSE(playMidi());
        EXPECT_EQ(peakOfNext(0.1), 0);
    }
}

// The synthesizer's own reader gives up at a chunk it does not know, and
// walks back onto the same bytes for good after one whose next four bytes
// read as a negative size; such chunks never reach it.
TEST_F(MidiMusicTest, ChunksOtherThanTracksAreLeftOut) {
    const struct {
        const char* what;
        std::vector<std::uint8_t> chunks;
    } cases[] = {
        {"an information chunk", {'X', 'F', 'I', 'H', 0, 0, 0, 2, 1, 2}},
        {"an empty chunk, then one whose id reads as -4",
         {'j', 'u', 'n', 'k', 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFC, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        std::vector<std::uint8_t> file = arpeggio();
        constexpr std::ptrdiff_t kHeaderSize = 14;
        file.insert(file.begin() + kHeaderSize, c.chunks.begin(), c.chunks.end());
        test::writeBytes(folder / "chunks.mid", file);
        ASSERT_TRUE(openMidi((folder / "chunks.mid").string())) << c.what;
        playMidi();
        EXPECT_GT(peakOfNext(1.0), 1000) << c.what;
    }
}

// The synthesizer is kept from file to file; what one file set must not
// carry over into the next.
TEST_F(MidiMusicTest, EachFileStartsOnAFreshSynthesizer) {
    test::writeBytes(folder / "quiet.mid", arpeggio(0));
    ASSERT_TRUE(openMidi((folder / "song.mid").string()));
    playMidi();
    const int firstPeak = peakOfNext(1.0);
    ASSERT_GT(firstPeak, 1000);

    ASSERT_TRUE(openMidi((folder / "quiet.mid").string()));
    playMidi();
    // Its channel is turned down (the synthesizer eases into the change,
    // so how far the first note still sounds varies).
    EXPECT_LT(peakOfNext(1.0), firstPeak / 2);

    ASSERT_TRUE(openMidi((folder / "song.mid").string()));
    playMidi();
    EXPECT_NEAR(peakOfNext(1.0), firstPeak, firstPeak / 10);
}

}  // namespace
}  // namespace kv
