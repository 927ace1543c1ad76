#include <gtest/gtest.h>

#include "screens/results/result_figures.h"

namespace kv {
namespace {

TEST(PercentOfNotes, TruncatesAndNeverDividesByZero) {
    EXPECT_EQ(percentOfNotes(2, 3), 66);
    EXPECT_EQ(percentOfNotes(3, 3), 100);
    EXPECT_EQ(percentOfNotes(5, 0), 0);
    EXPECT_EQ(percentOfNotes(40000, 40000), 100) << "no overflow";
}

TEST(JudgementBarBands, CumulativeSharesFromTheFoot) {
    const RunTallies run{.coolCount = 50, .greatCount = 20, .goodCount = 10, .breakCount = 10, .missCount = 10,
                         .noteCount = 100};
    EXPECT_EQ(judgementBarBands(run, 225), (std::array<int, 4>{22, 45, 90, 202}));
    EXPECT_EQ(judgementBarBands({.coolCount = 4, .noteCount = 0}, 225), (std::array<int, 4>{}));
    // Hits are at most the note count, but the bar never overshoots whatever it is given.
    EXPECT_EQ(judgementBarBands({.coolCount = 9, .noteCount = 3}, 225)[3], 225);
}

TEST(SumCourseStages, AddsEveryStageAndFlagsAnImplausibleOne) {
    std::array<CourseStageRecord, kCourseStages> stages{};
    for (int s = 0; s < kCourseStages; ++s) {
        stages[s].tallies = {.coolCount = 10 * (s + 1), .missCount = 1, .noteCount = 100};
        stages[s].tallies.score = scoreFromCounts(stages[s].tallies);
        stages[s].bonus = 7;
        stages[s].maxCombo = s == 2 ? 300 : 40;
    }
    CourseTotals totals = sumCourseStages(stages);
    EXPECT_EQ(totals.tallies.coolCount, 150);
    EXPECT_EQ(totals.tallies.missCount, 5);
    EXPECT_EQ(totals.tallies.noteCount, 500);
    EXPECT_EQ(totals.tallies.score, 150 * 2000);
    EXPECT_EQ(totals.bonus, 35);
    EXPECT_EQ(totals.maxCombo, 300);
    EXPECT_TRUE(totals.plausible);

    stages[3].tallies.score += 1;
    EXPECT_FALSE(sumCourseStages(stages).plausible);
}

TEST(RankOrdinal, RowsAndOutOfRange) {
    EXPECT_STREQ(rankOrdinal(0), "1ST");
    EXPECT_STREQ(rankOrdinal(4), "5TH");
    EXPECT_STREQ(rankOrdinal(5), "");
    EXPECT_STREQ(rankOrdinal(-1), "");
}

}  // namespace
}  // namespace kv
