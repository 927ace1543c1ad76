#include "screens/results/ranking_update.h"

#include "screens/results/grade.h"

namespace kv {

RankingRules rankingRulesFrom(const Settings& s) {
    return {.ignoreMiss = s.IGMISS, .ignoreCool = s.IGCOOL, .autoplay = s.AUTOPLAY, .ranking = s.RANKING,
            .style = s.STYLE, .level = s.LEVEL, .object = s.OBJECT, .tempo = s.TEMPO};
}

RankingEntry runEntry(const RunTallies& run, std::int32_t bonus, int grade, int keyMode, const Settings& s) {
    RankingEntry entry;
    entry.score = run.score;
    entry.bonus = bonus;
    entry.grade = static_cast<std::int8_t>(grade);
    entry.keyMode = static_cast<std::int8_t>(keyMode);
    entry.style = s.STYLE;
    entry.gauge = s.GAUGE;
    entry.line = s.LINE;
    entry.speed = s.SPEED;
    entry.view = s.VIEW;
    entry.object = s.OBJECT;
    entry.coolCount = run.coolCount;
    entry.greatCount = run.greatCount;
    entry.goodCount = run.goodCount;
    entry.breakCount = run.breakCount;
    entry.missCount = run.missCount;
    return entry;
}

RankingUpdate planRankingUpdate(int purpose, int grade, const Ranking& stored, const RankingEntry& entry,
                                bool plausible, const RankingRules& rules, int missionIndex) {
    RankingUpdate update;
    update.ranking = stored;
    const bool puzzle = purpose == PurposePuzzle;
    if (!rulesAllowRanking(rules, puzzle) || !plausible) return update;
    if (puzzle) {
        if (grade != GradePuzzleCleared || missionIndex < 0 || missionIndex >= kPuzzleMissions) return update;
        update.ranking.puzzleLetters[missionIndex] = true;
        update.write = true;
        return update;
    }
    if (purpose != PurposeFreePlay || grade == GradeFailed) return update;
    update.place = rankingPlace(stored, entry.score);
    if (update.place < 0) return update;
    insertRankingEntry(update.ranking, update.place, entry);
    update.write = true;
    return update;
}

}  // namespace kv
