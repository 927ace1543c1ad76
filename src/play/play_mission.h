#pragma once
// What a puzzle mission asks of one run: the text the board shows instead
// of the chart's title, the gauge the run starts with, and the tests that
// lose the mission early or decide it at the chart's end. The play modes
// fill it; the play scene only asks.
#include <functional>
#include <optional>
#include <string>

#include "chart/chart.h"
#include "play/play_state.h"

namespace kv {

struct PlayMission {
    std::string boardText;
    std::optional<float> startGauge;  // unset: the gauge's usual start
    std::function<bool(const Play&, const Chart&)> stillPossible;
    std::function<bool(const Play&, const Chart&)> goalMet;
};

// Lost during the run: the goal can no longer be met.
bool missionLostEarly(const PlayMission& mission, const Play& play, const Chart& chart);
// Lost once the chart has ended: lost early, or the goal was not met.
bool missionLostAtEnd(const PlayMission& mission, const Play& play, const Chart& chart);

}  // namespace kv
