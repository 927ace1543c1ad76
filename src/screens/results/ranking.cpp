#include "screens/results/ranking.h"

#include "play/tallies.h"

namespace kv {

int rankingPlace(const Ranking& ranking, std::int32_t score) {
    for (int row = 0; row < kRankingRows; ++row)
        if (ranking.entries[row].score < score) return row;
    return -1;
}

void insertRankingEntry(Ranking& ranking, int place, const RankingEntry& entry) {
    if (place < 0 || place >= kRankingRows) return;
    for (int row = kRankingRows - 1; row > place; --row) ranking.entries[row] = ranking.entries[row - 1];
    ranking.entries[place] = entry;
}

bool rulesAllowRanking(const RankingRules& rules, bool puzzle) {
    return rules.ignoreMiss == 0 && rules.ignoreCool == 0 && rules.autoplay != 2 && rules.ranking != 0 &&
           rules.style != 4 && rules.level == 0 && rules.object != 11 && (puzzle || rules.tempo == 0);
}

std::int32_t scoreFromCounts(const RunTallies& run) {
    return scoreFromJudgements(run.coolCount, run.greatCount, run.goodCount, run.breakCount, run.noteCount);
}

bool runIsPlausible(const RunTallies& run) {
    if (run.noteCount < 0 || run.coolCount < 0 || run.greatCount < 0 || run.goodCount < 0 ||
        run.breakCount < 0 || run.missCount < 0)
        return false;
    // Each note is hit at most once; misses are left out because a press that
    // hits nothing is charged as a miss of its own.
    const long long hits = static_cast<long long>(run.coolCount) + run.greatCount + run.goodCount + run.breakCount;
    return hits <= run.noteCount && run.score == scoreFromCounts(run);
}

}  // namespace kv
