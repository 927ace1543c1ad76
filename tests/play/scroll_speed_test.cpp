#include <gtest/gtest.h>

#include "play/note_visibility.h"
#include "play/scroll_speed.h"

namespace kv::test {
namespace {

int offsetAt(int speed, int y, const Play& play = Play{}) {
    PlayConfig config;
    config.speed = std::int8_t(speed);
    return noteOffset(play, config, y);
}

TEST(ScrollSpeed, EveryFixedSpeedPutsTheLineAt393) {
    for (int speed = 0; speed < 16; ++speed) EXPECT_EQ(offsetAt(speed, kLineY), 393) << "speed " << speed;
}

TEST(ScrollSpeed, PixelMappingOfFixedSpeeds) {
    const struct {
        int speed, y, offset;
    } cases[] = {
        {4, 205, -1}, {4, 206, 1}, {4, 403, 395},  // X2: two pixels a step, first drawn past 205
        {0, -383, 1}, {0, 0, 192}, {0, 403, 393},  // X0.5: trunc(201.5) stays on 393
        {1, 0, 92},   {2, 0, -9},  {15, 400, 361},
    };
    for (const auto& c : cases) EXPECT_EQ(offsetAt(c.speed, c.y), c.offset) << c.speed << " at " << c.y;
}

TEST(ScrollSpeed, GravityAcceleratesTowardsTheLine) {
    EXPECT_EQ(offsetAt(kSpeedGravity, 192), kNotDrawn);
    EXPECT_EQ(offsetAt(kSpeedGravity, 193), -9);
    EXPECT_EQ(offsetAt(kSpeedGravity, kLineY), 399);
    EXPECT_EQ(offsetAt(kSpeedGravity, kLineY + 1) - offsetAt(kSpeedGravity, kLineY), 4);
}

TEST(ScrollSpeed, RandomGlidesFromThePreviousSpeed) {
    Play play;
    play.speed.previousRandomSpeedIndex = 2;  // x1
    play.speed.randomSpeedIndex = 4;          // x2
    const struct {
        int blend, y, offset;
    } cases[] = {{0, 300, 600 - 402 - 9}, {128, 300, 300 - 9}, {64, 300, 450 - 201 - 9}, {64, kLineY, 393}};
    for (const auto& c : cases) {
        play.speed.speedBlend = c.blend;
        EXPECT_EQ(offsetAt(kSpeedRandom, c.y, play), c.offset) << "blend " << c.blend;
    }
}

TEST(ScrollSpeed, ReplayPlaybackDrawsRandomAndGravityAtHalfSpeed) {
    Play play;
    play.replayActive = 1;
    play.speed.randomSpeedIndex = 5;
    for (int speed : {kSpeedRandom, kSpeedGravity}) EXPECT_EQ(offsetAt(speed, 100, play), offsetAt(0, 100));
}

TEST(ScrollSpeed, ComboSpeedFollowsTheCombo) {
    PlayConfig config;
    config.speed = kSpeedCombo;
    Play play;
    play.tempo.msPerStep = 6.0;
    play.combo = 39;
    updateFrameSpeed(play, config, false, false);
    EXPECT_EQ(play.speed.comboSpeedTenths, 19);
    EXPECT_DOUBLE_EQ(play.tempo.substepsPerStep, 1.9);
    EXPECT_DOUBLE_EQ(play.tempo.tickMs, 6.0 / 1.9);
    EXPECT_EQ(noteOffset(play, config, kLineY), 393);
    EXPECT_EQ(noteOffset(play, config, 302), 393 - 190);
    play.combo = 0;
    updateFrameSpeed(play, config, false, false);
    EXPECT_EQ(play.speed.comboSpeedTenths, 10);
    EXPECT_DOUBLE_EQ(play.tempo.substepsPerStep, 1.0);
}

TEST(ScrollSpeed, FreeSpeedKeysRepeatOnlyAfterTheLatchFrees) {
    PlayConfig config;
    config.speed = kSpeedFree;
    Play play;
    play.tempo.msPerStep = 6.0;
    play.speed.freeSpeed = 10;
    updateFrameSpeed(play, config, false, true);
    EXPECT_EQ(play.speed.freeSpeed, 11);
    updateFrameSpeed(play, config, false, true);
    EXPECT_EQ(play.speed.freeSpeed, 11) << "latched";
    for (int tick = 0; tick < 3; ++tick) tickFreeSpeedLatch(play.speed);
    updateFrameSpeed(play, config, true, true);
    EXPECT_EQ(play.speed.freeSpeed, 12) << "raising wins over lowering";
    EXPECT_DOUBLE_EQ(play.tempo.substepsPerStep, 1.2);

    play.speed.freeSpeed = 5;
    play.speed.freeSpeedLatch = 0;
    updateFrameSpeed(play, config, true, false);
    EXPECT_EQ(play.speed.freeSpeed, 5) << "lower bound";
    play.speed.freeSpeed = 2550;
    updateFrameSpeed(play, config, false, true);
    EXPECT_EQ(play.speed.freeSpeed, 2550) << "upper bound";
}

TEST(ScrollSpeed, SubstepsPerStepAtRunStart) {
    const struct {
        int speed, freeSpeed;
        double substeps;
    } cases[] = {{0, 10, 1.0}, {2, 10, 1.0}, {3, 10, 1.5}, {15, 10, 16.0}, {kSpeedRandom, 10, 1.0},
                 {kSpeedCombo, 10, 1.0}, {kSpeedFree, 25, 2.5}, {kSpeedFree, 6, 1.0}};
    for (const auto& c : cases) {
        PlayConfig config;
        config.speed = std::int8_t(c.speed);
        config.freeSpeed = c.freeSpeed;
        EXPECT_DOUBLE_EQ(initialSubsteps(config), c.substeps) << "speed " << c.speed;
    }
}

struct ViewCase {
    ViewOption view;
    int lane, d, playStep;
    bool shown;
};

TEST(NoteVisibility, ViewBands) {
    const ViewCase cases[] = {
        {ViewNormal, 1, 1, 0, true},       {ViewNormal, 1, 0, 0, false},      {ViewNormal, 1, 459, 0, true},
        {ViewNormal, 1, 460, 0, false},    {Hidden, 1, 209, 0, true},         {Hidden, 1, 210, 0, false},
        {Sudden, 1, 210, 0, false},        {Sudden, 1, 211, 0, true},         {Invisible, 1, 100, 16, true},
        {Invisible, 1, 100, 17, false},    {Middle, 1, 190, 0, false},        {Middle, 1, 191, 0, true},
        {Middle, 1, 229, 0, true},         {Middle, 1, 230, 0, false},        {HiddenSudden, 1, 100, 0, true},
        {HiddenSudden, 1, 300, 0, false},  {HiddenSudden, 2, 100, 0, false},  {HiddenSudden, 2, 300, 0, true},
        {HiddenSudden, 1, -5, 0, false},
    };
    for (const ViewCase& c : cases) {
        PlayConfig config;
        config.view = c.view;
        EXPECT_EQ(visibleNoteOffset(c.d, c.lane, c.playStep, config, kLaneBands).has_value(), c.shown)
            << "view " << int(c.view) << " lane " << c.lane << " d " << c.d;
    }
}

TEST(NoteVisibility, WaveUsesItsOwnBands) {
    PlayConfig config;
    config.view = Sudden;
    EXPECT_FALSE(visibleNoteOffset(315, 1, 0, config, kWaveBands));
    EXPECT_TRUE(visibleNoteOffset(316, 1, 0, config, kWaveBands));
    EXPECT_FALSE(visibleNoteOffset(400, 1, 0, config, kWaveBands));
}

TEST(NoteVisibility, LagHoldsNotesInItsBand) {
    PlayConfig config;
    config.lag = true;
    EXPECT_EQ(visibleNoteOffset(200, 1, 0, config, kLaneBands), 200);
    EXPECT_EQ(visibleNoteOffset(201, 1, 0, config, kLaneBands), 235);
    EXPECT_EQ(visibleNoteOffset(269, 1, 0, config, kLaneBands), 235);
    EXPECT_EQ(visibleNoteOffset(270, 1, 0, config, kLaneBands), 270);
    EXPECT_EQ(visibleNoteOffset(301, 1, 0, config, kWaveBands), 335);
}

TEST(NoteVisibility, BarLinesIgnoreView) {
    EXPECT_FALSE(barLineVisible(0));
    EXPECT_TRUE(barLineVisible(1));
    EXPECT_TRUE(barLineVisible(401));
    EXPECT_FALSE(barLineVisible(402));
}

}  // namespace
}  // namespace kv::test
