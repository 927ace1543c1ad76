// The play scene driven headless: an autoplay run of a small chart keeps
// going until a key or the quit message ends it.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "chart/chart.h"
#include "media/gfx/display.h"
#include "play/play_scene.h"
#include "play/play_state.h"
#include "support/headless_session.h"

namespace kv {
namespace {

// Two short measures of notes, played by autoplay.
void loadSmallAutoplayChart(double tempo = 150.0) {
    auto chart = std::make_unique<Chart>();
    chart->baseTempo = chart->playTempo = tempo;
    chart->rank = 2;
    chart->gaugeGain = 1.0f;
    chart->gaugeLoss = 3.5f;
    chart->scoreTarget = 170000;
    chart->autoplayActive = 1;
    for (int measure = 0; measure < 2; ++measure)
        for (int position = 0; position < 288; position += 72) {
            chart->playLanes[1].push(ChartObject{std::int16_t(measure), std::int16_t(position), 1, NoteKind::Normal});
            ++chart->noteCount;
        }
    chart->lastMeasure = 1;
    theChart = *chart;
}

struct EndCase {
    const char* name;
    const char* script;
    int result;
    bool endedByKey;  // false: the script ran out and the quit message ended it
};

class PlaySceneEnd : public testing::TestWithParam<EndCase> {};

TEST_P(PlaySceneEnd, ReturnsTheResultOfHowTheRunEnded) {
    const EndCase& end = GetParam();
    test::HeadlessSession session;
    loadSmallAutoplayChart();
    session.runScript(end.script);

    const int result = playChart(ChartEntry{}, -1);

    EXPECT_EQ(result, end.result);
    EXPECT_EQ(!session.scriptFinished(), end.endedByKey);
    // Autoplay never ends a run by itself: the chart was long over.
    EXPECT_GT(thePlay.playCursor.measure, theChart.lastMeasure + 2);
    EXPECT_FALSE(session.frameHashes().empty());
    EXPECT_TRUE(slotSurface(kWorkSurfaceA) && slotSurface(kWorkSurfaceB));
}

// 150 BPM: the cursor reaches measure 0 after about 3.2 s and a measure
// lasts 1.6 s, so 12 s carry it past the end.
INSTANTIATE_TEST_SUITE_P(
    Keys, PlaySceneEnd,
    testing::Values(EndCase{"Escape", "wait 12000\npress ESCAPE\nwait 1000\n", 0, true},
                    EndCase{"F11", "wait 12000\npress F11\nwait 1000\n", 1, true},
                    EndCase{"F12", "wait 12000\npress F12\nwait 1000\n", 2, true},
                    EndCase{"EscapeWithF12", "wait 12000\ndown ESCAPE\ndown F12\nwait 1000\n", 2, true},
                    EndCase{"EscapeWithF11", "wait 12000\ndown ESCAPE\ndown F11\nwait 1000\n", 1, true},
                    EndCase{"Quit", "wait 12000\n", 1, false}),
    [](const testing::TestParamInfo<EndCase>& info) { return std::string(info.param.name); });

TEST(AbsurdTempo, AutoplayCrossesTheChartInAFewFramesAndStillEnds) {
    test::HeadlessSession session;
    loadSmallAutoplayChart(1e9);  // millions of steps in every frame
    session.runScript("wait 1000\npress ESCAPE\nwait 1000\n");

    EXPECT_EQ(playChart(ChartEntry{}, -1), 0);
    EXPECT_GT(thePlay.playCursor.measure, theChart.lastMeasure + 2);
    EXPECT_FALSE(session.scriptFinished());
}

// So slow that no logic step comes at all: the keys and the quit message
// still end the run.
class SlowChartEnd : public testing::TestWithParam<EndCase> {};

TEST_P(SlowChartEnd, EndsWithoutAnyLogicStep) {
    const EndCase& end = GetParam();
    test::HeadlessSession session;
    loadSmallAutoplayChart(1e-7);
    session.runScript(end.script);

    EXPECT_EQ(playChart(ChartEntry{}, -1), end.result);
    EXPECT_EQ(!session.scriptFinished(), end.endedByKey);
    EXPECT_LT(thePlay.playCursor.measure, 0) << "the count-in never moved";
}

INSTANTIATE_TEST_SUITE_P(Keys, SlowChartEnd,
                         testing::Values(EndCase{"Escape", "wait 500\npress ESCAPE\nwait 1000\n", 0, true},
                                         EndCase{"F11", "wait 500\npress F11\nwait 1000\n", 1, true},
                                         EndCase{"F12", "wait 500\npress F12\nwait 1000\n", 2, true},
                                         EndCase{"Quit", "wait 500\n", 1, false}),
                         [](const testing::TestParamInfo<EndCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kv
