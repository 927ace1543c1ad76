#pragma once
// The player's options around a puzzle play: saved before a mission's rule
// is put in force and put back afterwards, so the rule never outlives the
// play (nor reaches KV2.CFG).
#include <cstdint>

#include "settings/settings.h"

namespace kv {

// The options a mission may change.
struct PlayerOptions {
    std::int8_t REPLAY = 0, GAUGE = 0, COMBO = 0, SPEED = 0, VIEW = 0, TEMPO = 0, STYLE = 0, KEY = 0;
    bool operator==(const PlayerOptions&) const = default;
};

PlayerOptions savePlayerOptions(const Settings& settings);
void restorePlayerOptions(Settings& settings, const PlayerOptions& saved);

// Puts mission `mission`'s rule in force: BEMUSIC style and no replay
// unless the rule says otherwise, then the options the rule forces.
void forceMissionOptions(Settings& settings, int mission);

}  // namespace kv
