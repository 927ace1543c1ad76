#include <gtest/gtest.h>

#include "chart_fixture.h"
#include "support/case_name.h"

namespace kv::testing {
namespace {

using Calls = std::vector<std::pair<int, std::string>>;

TEST_F(ChartLoadTest, SamplesLoadIntoTheirBase36Slots) {
    ASSERT_EQ(load(lines({"#WAV01 kick.wav", "#wav0z Snare Drum.WAV ", "#WAVZZ high.wav", "#WAV nothing.wav",
                          "#WAV10"})),
              1);
    EXPECT_EQ(media.samples, (Calls{{1, "kick.wav"}, {35, "Snare Drum.WAV "}, {1295, "high.wav"}, {36, ""}}));
    EXPECT_TRUE(screen.drawn.empty());
    EXPECT_EQ(screen.waits, 0);  // TITLESKIP 1 and nothing failed
}

TEST_F(ChartLoadTest, MissingSampleIsShownAndWaitsForAKey) {
    media.missing = {"missing.wav"};
    ASSERT_EQ(load(lines({"#TITLE x", "#WAV01 missing.wav", "#WAV02 other.wav", "#WAV03 missing.wav"})), 1);
    EXPECT_EQ(screen.drawn, (Calls{{0, "WAVE ERROR !  LINE:1  NAME:missing.wav"},
                                   {20, "WAVE ERROR !  LINE:3  NAME:missing.wav"},
                                   {40, "PUSH ANY KEY TO CONTINUE..."}}));
    EXPECT_EQ(screen.waits, 1);
}

TEST_F(ChartLoadTest, QuitDuringTheKeyWaitAbandonsTheLoad) {
    settings.TITLESKIP = 0;
    screen.keyPressed = false;
    EXPECT_EQ(load("#00111:01\n"), 0);
    EXPECT_EQ(screen.drawn, (Calls{{0, "PUSH ANY KEY TO CONTINUE..."}}));
}

TEST_F(ChartLoadTest, CourseAndEternalPlayNeverWait) {
    context.playMode = 1;
    settings.TITLESKIP = 0;
    media.missing = {"missing.wav"};
    ASSERT_EQ(load("#WAV01 missing.wav\n"), 1);
    EXPECT_EQ(screen.waits, 0);
}

TEST_F(ChartLoadTest, EverySampleNumberIsHandedToTheSlots) {
    ASSERT_EQ(load(lines({"#WAVG0 high.wav", "#WAVFZ low.wav"})), 1);
    EXPECT_EQ(media.samples, (Calls{{576, "high.wav"}, {575, "low.wav"}}));
}

TEST_F(ChartLoadTest, BitmapsLoadIntoSlotsFourOnwards) {
    media.missing = {"gone.bmp"};
    ASSERT_EQ(load(lines({"#BMP01 a.bmp", "#BMPff b.bmp", "#BMP00 gone.bmp", "#BMP x.bmp"})), 1);
    EXPECT_EQ(media.pictures, (Calls{{5, "a.bmp"}, {259, "b.bmp"}, {4, "gone.bmp"}}));
    EXPECT_EQ(screen.drawn[0], (std::pair<int, std::string>{0, "BMP ERROR ! LINE:2  NAME:gone.bmp TYPE:3"}));
}

struct BitmapOptionCase {
    int bga;
    int style;
    int line;
    int linePos;
    int keyType;
    bool loads;
};

class BitmapOptions : public ChartLoadTest, public ::testing::WithParamInterface<BitmapOptionCase> {};

TEST_P(BitmapOptions, BitmapsLoadOnlyWhenShown) {
    const BitmapOptionCase& c = GetParam();
    settings.BGA = std::int8_t(c.bga);
    settings.STYLE = std::int8_t(c.style);
    settings.LINE = std::int8_t(c.line);
    settings.LINEPOS = std::int8_t(c.linePos);
    entry.keyType = std::int8_t(c.keyType);
    ASSERT_EQ(load("#BMP01 a.bmp\n"), 1);
    EXPECT_EQ(media.pictures.size(), c.loads ? 1u : 0u);
}

// Case names for test lists and reports.
std::string bitmapCaseName(const ::testing::TestParamInfo<BitmapOptionCase>& info) {
    const BitmapOptionCase& c = info.param;
    return test::caseName(
        {{"Bga", c.bga}, {"Style", c.style}, {"Line", c.line}, {"LinePos", c.linePos}, {"KeyType", c.keyType}});
}

INSTANTIATE_TEST_SUITE_P(Loader, BitmapOptions,
                         ::testing::Values(BitmapOptionCase{1, 0, 0, 0, 0, true},
                                           BitmapOptionCase{0, 0, 0, 0, 0, false},   // BGA off
                                           BitmapOptionCase{7, 0, 0, 0, 0, false},   // STAGE shows its own picture
                                           BitmapOptionCase{1, 0, 1, 1, 3, false},   // no room beside 14 keys
                                           BitmapOptionCase{4, 0, 1, 1, 3, true}),  // FULL needs no room
                         bitmapCaseName);

TEST_F(ChartLoadTest, PictureDefinitionsAreClampedToTheirBitmap) {
    media.pictureSizes[5 + 4] = {200, 100};
    ASSERT_EQ(load(lines({"#BMP05 pic.bmp", "#BGA01 05 0 0 300 300 10 10", "#BGA02 05 -5 -20 30 40 300 -1",
                          "#BGA03 07 1 2 999 999 3 4", "#BGA04 05 1"})),
              1);
    const BgaDef& a = chart->bgaDefs[1];
    EXPECT_TRUE(a.defined);
    EXPECT_EQ(a.source, 5);
    EXPECT_EQ(std::vector<int>({a.x1, a.y1, a.x2, a.y2, a.dx, a.dy}), std::vector<int>({0, 0, 199, 99, 10, 10}));
    const BgaDef& b = chart->bgaDefs[2];
    EXPECT_EQ(std::vector<int>({b.x1, b.y1, b.x2, b.y2, b.dx, b.dy}), std::vector<int>({0, 0, 30, 40, 255, 0}));
    // A definition before its bitmap is held to the usual 256 x 256.
    const BgaDef& c = chart->bgaDefs[3];
    EXPECT_EQ(std::vector<int>({c.x2, c.y2, c.dx, c.dy}), std::vector<int>({255, 255, 3, 4}));
    // Numbers missing at the end of the line read as 0.
    const BgaDef& d = chart->bgaDefs[4];
    EXPECT_EQ(std::vector<int>({d.x1, d.y1, d.x2, d.y2}), std::vector<int>({1, 0, 0, 0}));
    EXPECT_FALSE(chart->bgaDefs[0].defined);
}

TEST_F(ChartLoadTest, PictureDefinitionsNeedPicturesOn) {
    settings.BGA = 0;
    ASSERT_EQ(load("#BGA01 05 0 0 10 10 0 0\n#BGA 05 0 0 10 10 0 0\n"), 1);
    for (const BgaDef& def : chart->bgaDefs) EXPECT_FALSE(def.defined);
}

TEST_F(ChartLoadTest, MidiFileIsOpenedAtOnce) {
    ASSERT_EQ(load("#MIDIFILE  song.mid\n"), 1);
    EXPECT_TRUE(chart->hasMidi);
    EXPECT_EQ(chart->midiFile, "song.mid");
    EXPECT_EQ(media.midi, "song.mid");
    ASSERT_EQ(load("#00111:01\n"), 1);
    EXPECT_FALSE(chart->hasMidi);
}

TEST_F(ChartLoadTest, StageBackdropLoadsTheStageFile) {
    settings.BGA = 7;
    entry.stageFile = "stage.bmp";
    ASSERT_EQ(load("#00111:01\n"), 1);
    EXPECT_EQ(media.stage, "stage.bmp");
    EXPECT_EQ(chart->frame.backdropInUse, 1);
}

}  // namespace
}  // namespace kv::testing
