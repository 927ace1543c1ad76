#include "screens/modes/mission_options.h"

#include "screens/modes/puzzle_missions.h"

namespace kv {

namespace {

void force(std::int8_t& option, std::int8_t forced) {
    if (forced != kNotForced) option = forced;
}

}  // namespace

PlayerOptions savePlayerOptions(const Settings& s) {
    return {s.REPLAY, s.GAUGE, s.COMBO, s.SPEED, s.VIEW, s.TEMPO, s.STYLE, s.KEY};
}

void restorePlayerOptions(Settings& s, const PlayerOptions& saved) {
    s.REPLAY = saved.REPLAY;
    s.GAUGE = saved.GAUGE;
    s.COMBO = saved.COMBO;
    s.SPEED = saved.SPEED;
    s.VIEW = saved.VIEW;
    s.TEMPO = saved.TEMPO;
    s.STYLE = saved.STYLE;
    s.KEY = saved.KEY;
}

void forceMissionOptions(Settings& s, int mission) {
    s.STYLE = 0;
    s.REPLAY = 0;
    if (mission < 0 || mission >= kMissionCount) return;
    const ForcedOptions& forced = missionTable()[std::size_t(mission)].forced;
    force(s.COMBO, forced.combo);
    force(s.GAUGE, forced.gauge);
    force(s.STYLE, forced.style);
    force(s.TEMPO, forced.tempo);
    force(s.VIEW, forced.view);
    force(s.SPEED, forced.speed);
}

}  // namespace kv
