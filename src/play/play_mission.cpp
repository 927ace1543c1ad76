#include "play/play_mission.h"

namespace kv {

bool missionLostEarly(const PlayMission& mission, const Play& play, const Chart& chart) {
    return mission.stillPossible && !mission.stillPossible(play, chart);
}

bool missionLostAtEnd(const PlayMission& mission, const Play& play, const Chart& chart) {
    return missionLostEarly(mission, play, chart) || (mission.goalMet && !mission.goalMet(play, chart));
}

}  // namespace kv
