// The play scene tells the play modes apart: eternal play keeps its
// SURVIVAL gauge from song to song.
#include <gtest/gtest.h>

#include <memory>

#include "chart/chart.h"
#include "play/play_scene.h"
#include "play/play_state.h"
#include "scene/shell.h"
#include "settings/settings.h"
#include "support/headless_session.h"

namespace kv {
namespace {

TEST(PlaySceneModes, EternalPlayCarriesTheSurvivalGaugeIntoTheNextSong) {
    struct Case {
        std::int8_t playMode;
        float gaugeAfter;
    };
    for (const Case c : {Case{EternalPlayMode, 40.0f}, Case{FreePlayMode, 100.0f}}) {
        test::HeadlessSession session;
        settings() = Settings{};
        settings().GAUGE = 1;  // SURVIVAL
        shell().playMode = c.playMode;
        auto chart = std::make_unique<Chart>();
        chart->baseTempo = chart->playTempo = 150.0;
        chart->lastMeasure = 4;
        theChart = *chart;
        thePlay.gauge = 40.0f;  // where the previous song left it
        session.runScript("wait 300\npress ESCAPE\nwait 200\n");

        EXPECT_EQ(playChart(ChartEntry{}, -1), 0);
        EXPECT_FLOAT_EQ(thePlay.gauge, c.gaugeAfter) << "play mode " << int(c.playMode);
    }
    shell().playMode = FreePlayMode;
}

}  // namespace
}  // namespace kv
