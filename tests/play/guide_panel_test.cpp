// The guide panel's figures and labels: the status-line labels for every
// option, the song progress, and the frames-per-second meter.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "chart/chart.h"
#include "platform/clock_counters.h"
#include "play/play_screen_panels.h"
#include "play/status_labels.h"
#include "support/headless_session.h"

namespace kv {
namespace {

TEST(StatusLabels, NameEveryOptionAndClampCodesOutOfRange) {
    const struct {
        int code;
        const char* speed;
        const char* transform;
        const char* view;
    } cases[] = {
        {0, " X0.5 ", "", ""},          {1, "X0.75", "MIRROR", "HIDDEN"}, {2, "  X1  ", "RANDOM", "SUDDEN"},
        {3, " X1.5 ", "PANIC", "INVISI"}, {4, "  X2  ", "SHUFLE", "MIDDLE"}, {5, " X2.5 ", "ROTATE", "HIDSUD"},
        {6, "  X3  ", "E MIR", "HIDSUD"}, {10, "  X5  ", "E ROT", "HIDSUD"}, {11, "  X6  ", "SYMMET", "HIDSUD"},
        {15, " X16 ", "SYMMET", "HIDSUD"}, {16, "RANDOM", "SYMMET", "HIDSUD"}, {17, "GRAVIT", "SYMMET", "HIDSUD"},
        {18, "COMBO", "SYMMET", "HIDSUD"}, {-3, " X0.5 ", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(speedLabel(c.code, 10), c.speed) << c.code;
        EXPECT_STREQ(transformLabel(c.code), c.transform) << c.code;
        EXPECT_STREQ(viewLabel(c.code), c.view) << c.code;
    }
    EXPECT_EQ(speedLabel(kSpeedFree, 10), "F1.0");
    EXPECT_EQ(speedLabel(kSpeedFree, 37), "F3.7");
}

TEST(StatusLabels, ModeLabelNamesThePlayMode) {
    PlayConfig config;
    EXPECT_STREQ(modeLabel(config), " FREE PLAY ");
    config.puzzle = true;
    EXPECT_STREQ(modeLabel(config), "PUZZLE PLAY");
    config.puzzle = false;
    config.eternal = true;
    EXPECT_STREQ(modeLabel(config), "ETERNALPLAY");
    config.eternal = false;
    config.course = true;
    EXPECT_STREQ(modeLabel(config), "COURSE PLAY");
}

TEST(SongProgress, CountsThroughTheChartAndStopsAtItsEnd) {
    auto play = std::make_unique<Play>();
    auto chart = std::make_unique<Chart>();
    chart->lastMeasure = 1;  // two standard measures: 576 steps
    buildMeasureStarts(*chart, play->measureStarts);
    const struct {
        int step;
        int percent;
    } cases[] = {{-200, 0}, {0, 0}, {288, 50}, {575, 99}, {576, 100}, {2000, 100}};
    for (const auto& c : cases) {
        play->playAbsStep = c.step;
        EXPECT_EQ(songProgress(*play, *chart, 100), c.percent) << c.step;
    }
    chart->lastMeasure = -1;  // no length at all
    buildMeasureStarts(*chart, play->measureStarts);
    play->playAbsStep = 50;
    EXPECT_EQ(songProgress(*play, *chart, 100), 0);
}

TEST(FrameRateMeter, ShowsTheFramesCountedInTheLastSecond) {
    test::HeadlessSession session;
    clockCounters().fpsMs.set(0);
    PlayScreenState screen;
    for (int frame = 0; frame < 45; ++frame) {
        session.clock().advanceTo(platform::Micros(frame) * 1'000'000 / 45);
        countFrame(screen);
    }
    EXPECT_EQ(screen.framesPerSecond, 0) << "not a full second yet";
    session.clock().advanceTo(1'000'000);
    countFrame(screen);
    EXPECT_EQ(screen.framesPerSecond, 46);
    EXPECT_EQ(screen.framesCounted, 0);
    EXPECT_EQ(screen.paintedFrames, 46);
}

}  // namespace
}  // namespace kv
