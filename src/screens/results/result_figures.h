#pragma once
// Figures the result screens derive from the tallies: percentages of the
// note count and the bands of the judgement bar.
#include <array>
#include <span>

#include "scene/scene_table.h"
#include "screens/results/ranking.h"

namespace kv {

// Share of the note count in whole percent; a chart without notes shows 0.
int percentOfNotes(int count, int noteCount);

// Heights of the judgement bar's bands measured from its foot, cumulative:
// BREAK, then GOOD, GREAT and COOL stacked on top, out of `fullHeight`.
std::array<int, 4> judgementBarBands(const RunTallies& run, int fullHeight);

// What the scene driver keeps of each course stage for the course result.
struct CourseStageRecord {
    RunTallies tallies;  // counts, note count and score of the stage
    int bonus = 0;
    int maxCombo = 0;    // the combo carries from stage to stage
    int keyMode = 0;
};

struct CourseTotals {
    RunTallies tallies;      // summed counts, note counts and scores
    int bonus = 0;
    int maxCombo = 0;
    bool plausible = false;  // every stage's figures could come from real play
};
CourseTotals sumCourseStages(std::span<const CourseStageRecord, kCourseStages> stages);

// "1ST" to "5TH" for rows 0-4.
const char* rankOrdinal(int row);

}  // namespace kv
