#pragma once
// Deciding whether a finished run changes the stored ranking, and how.
#include "screens/results/ranking.h"
#include "settings/settings.h"

namespace kv {

RankingRules rankingRulesFrom(const Settings& settings);

// The row a run would be stored as, its name still blank.
RankingEntry runEntry(const RunTallies& run, std::int32_t bonus, int grade, int keyMode, const Settings& settings);

struct RankingUpdate {
    bool write = false;  // the file is rewritten when the screen is left
    int place = -1;      // the run's row in free play, else -1
    Ranking ranking;     // what will be written
};

// Free play (and a finished course) enters a qualifying run at its place; a
// cleared puzzle earns the mission's letter. Course stages and eternal play
// leave chart rankings alone. Implausible runs never change a ranking.
RankingUpdate planRankingUpdate(int purpose, int grade, const Ranking& stored, const RankingEntry& entry,
                                bool plausible, const RankingRules& rules, int missionIndex);

}  // namespace kv
