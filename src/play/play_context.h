#pragma once
// Everything one logic step reads and writes, passed explicitly so the
// step runs the same in the play scene, in tests and in the renderer.
#include <functional>

#include "chart/chart.h"
#include "play/play_config.h"
#include "play/play_mission.h"
#include "play/play_sound.h"
#include "play/play_state.h"

namespace kv {

struct PlayContext {
    Play& play;
    Chart& chart;
    const PlayConfig& config;
    PlaySound& sound;
    // The game's pseudo-random generator (0 to 32767).
    std::function<int()> random;
    // Puzzle play: the mission the run is played under.
    const PlayMission* mission = nullptr;
};

}  // namespace kv
