#include "screens/results/result_figures.h"

#include <algorithm>

namespace kv {

int percentOfNotes(int count, int noteCount) {
    if (noteCount <= 0) return 0;
    return static_cast<int>(static_cast<long long>(count) * 100 / noteCount);
}

std::array<int, 4> judgementBarBands(const RunTallies& run, int fullHeight) {
    std::array<int, 4> bands{};
    if (run.noteCount <= 0) return bands;
    const std::array<long long, 4> counts{run.breakCount, run.goodCount, run.greatCount, run.coolCount};
    long long cumulative = 0;
    for (std::size_t i = 0; i < counts.size(); ++i) {
        cumulative += counts[i];
        bands[i] = static_cast<int>(std::clamp(cumulative * fullHeight / run.noteCount, 0LL, (long long)fullHeight));
    }
    return bands;
}

CourseTotals sumCourseStages(std::span<const CourseStageRecord, kCourseStages> stages) {
    CourseTotals totals;
    totals.plausible = true;
    for (const CourseStageRecord& stage : stages) {
        const RunTallies& t = stage.tallies;
        totals.tallies.coolCount += t.coolCount;
        totals.tallies.greatCount += t.greatCount;
        totals.tallies.goodCount += t.goodCount;
        totals.tallies.breakCount += t.breakCount;
        totals.tallies.missCount += t.missCount;
        totals.tallies.noteCount += t.noteCount;
        totals.tallies.score += t.score;
        totals.bonus += stage.bonus;
        totals.maxCombo = std::max(totals.maxCombo, stage.maxCombo);
        totals.plausible = totals.plausible && runIsPlausible(t);
    }
    return totals;
}

const char* rankOrdinal(int row) {
    static constexpr const char* kOrdinals[kRankingRows] = {"1ST", "2ND", "3RD", "4TH", "5TH"};
    return row >= 0 && row < kRankingRows ? kOrdinals[row] : "";
}

}  // namespace kv
