#include "media/audio/sound_config.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "audio_fixtures.h"
#include "media/audio/sound_engine.h"

namespace kv {
namespace {

// Runs inside a fresh program folder with the sound engine up.
class SoundConfigTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(folder.path());
        initSoundPulled(1);
    }
    void TearDown() override {
        shutdownSound();
        std::filesystem::current_path(previous_);
    }

    void writeConfig(const std::string& text) {
        std::ofstream(kSoundConfigFile, std::ios::binary) << text;
    }
    void writeWav(const std::string& name, std::int16_t level) {
        test::writeSound(folder / name, platform::SoundFileFormat::Wav16, test::makeLevel(44100, 1, 100, level));
    }
    // The first sample a slot plays.
    int firstSampleOf(int slot) {
        if (playSample(slot) == 0) return 0;
        std::int16_t frame[2];
        renderSound(frame, 1);
        stopSample(slot);
        std::int16_t fade[44100 / 500 * 2];  // let the stopped sound fade out
        renderSound(fade, 44100 / 500);
        return frame[0];
    }

    test::TempFolder folder;

private:
    std::filesystem::path previous_;
};

TEST_F(SoundConfigTest, MissingFileIsReplacedByTheTemplateAndLoadsNothing) {
    EXPECT_EQ(loadSoundConfig(), 0);
    std::ifstream in(kSoundConfigFile, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(),
              "- kelvarin ][ sound config file -\r\n\r\nTITLEMUSIC\r\nTITLECURSOR\r\nTITLECHECK\r\nSELECTMUSIC\r\n"
              "SELECTCURSOR\r\nSELECTMODE\r\nSELECTCHECK\r\nRESULTMUSIC\r\nRESULTSOUND\r\nRESULTCHECK\r\n");
    for (int slot = kSlotTitleMusic; slot <= kSlotResultCheck; ++slot) EXPECT_EQ(playSample(slot), 0);

    // Read back, the template's keys name no files, so still nothing loads.
    EXPECT_EQ(loadSoundConfig(), 0);
    for (int slot = kSlotTitleMusic; slot <= kSlotResultCheck; ++slot) EXPECT_EQ(playSample(slot), 0);
}

TEST_F(SoundConfigTest, KeysPickTheirSlotsWhateverTheirCase) {
    writeWav("title.wav", 100);
    writeWav("my song.wav", 200);
    writeWav("first.wav", 300);
    writeWav("second.wav", 400);
    writeWav("Check.wav", 500);
    // Unknown words and blank lines are ignored; a key named twice takes
    // the later file; the last line counts without its line feed.
    writeConfig("- header -\r\n\r\ntitlemusic title.wav\r\nSELECTMUSIC  my song.wav\r\nBOGUS first.wav\r\n"
                "RESULTSOUND first.wav\nRESULTSOUND second.wav\r\nResultCheck Check.wav");
    EXPECT_EQ(loadSoundConfig(), 0);
    EXPECT_EQ(firstSampleOf(kSlotTitleMusic), 100);
    EXPECT_EQ(firstSampleOf(kSlotSelectMusic), 200);
    EXPECT_EQ(firstSampleOf(kSlotResultSound), 400);
    EXPECT_EQ(firstSampleOf(kSlotResultCheck), 500);
    EXPECT_EQ(firstSampleOf(kSlotTitleCursor), 0);
}

TEST_F(SoundConfigTest, SoundThatDoesNotLoadLeavesOnlyItsSlotSilent) {
    writeWav("cursor.wav", 100);
    writeConfig("TITLEMUSIC nothere.wav\r\nTITLECURSOR cursor.wav\r\n");
    EXPECT_EQ(loadSoundConfig(), 0);
    EXPECT_EQ(playSample(kSlotTitleMusic), 0);
    EXPECT_EQ(firstSampleOf(kSlotTitleCursor), 100);
}

}  // namespace
}  // namespace kv
