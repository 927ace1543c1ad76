#include <gtest/gtest.h>

#include "screens/results/grade.h"
#include "screens/results/ranking_update.h"

namespace kv {
namespace {

class RankingUpdateTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int row = 0; row < kRankingRows; ++row) stored.entries[row].score = 190000 - 20000 * row;
        run.score = scoreFromCounts(run);
        entry = runEntry(run, 99, GradeC, 1, options);
    }
    RankingUpdate plan(int purpose, int grade, const RankingRules& rules = {}, int mission = 0) {
        return planRankingUpdate(purpose, grade, stored, entry, runIsPlausible(run), rules, mission);
    }

    Settings options;
    Ranking stored;  // 190000, 170000, 150000, 130000, 110000
    RunTallies run{.coolCount = 60, .greatCount = 30, .goodCount = 5, .breakCount = 0, .missCount = 5,
                   .noteCount = 100};
    RankingEntry entry;
};

TEST_F(RankingUpdateTest, FreePlayEntersAtItsPlaceWithABlankName) {
    ASSERT_EQ(run.score, 152500);
    const RankingUpdate update = plan(PurposeFreePlay, GradeC);
    EXPECT_TRUE(update.write);
    EXPECT_EQ(update.place, 2);
    EXPECT_EQ(update.ranking.entries[2].score, 152500);
    EXPECT_EQ(update.ranking.entries[2].name, (std::array<char, 4>{' ', ' ', ' ', ' '}));
    EXPECT_EQ(update.ranking.entries[2].keyMode, 1);
    EXPECT_EQ(update.ranking.entries[3].score, 150000);
    EXPECT_EQ(update.ranking.entries[4].score, 130000);
}

TEST_F(RankingUpdateTest, RunsThatDoNotEnter) {
    struct Case { const char* what; int purpose; int grade; RankingRules rules; };
    const Case cases[] = {
        {"failed", PurposeFreePlay, GradeFailed, {}},
        {"course or eternal stage", PurposeCourseOrEternal, GradeC, {}},
        {"unranked option", PurposeFreePlay, GradeC, {.ignoreCool = 1}},
        {"puzzle not cleared", PurposePuzzle, GradeFailed, {}},
    };
    for (const auto& c : cases) {
        const RankingUpdate update = plan(c.purpose, c.grade, c.rules);
        EXPECT_FALSE(update.write) << c.what;
        EXPECT_EQ(update.ranking, stored) << c.what;
    }
}

TEST_F(RankingUpdateTest, ImplausibleRunsAreNotEntered) {
    run.score += 1000;
    entry.score = run.score;
    EXPECT_FALSE(plan(PurposeFreePlay, GradeC).write);
}

TEST_F(RankingUpdateTest, ClearedPuzzleEarnsTheMissionLetterOnly) {
    const RankingUpdate update = plan(PurposePuzzle, GradePuzzleCleared, {.tempo = 3}, 6);
    EXPECT_TRUE(update.write);
    EXPECT_EQ(update.place, -1);
    EXPECT_TRUE(update.ranking.puzzleLetters[6]);
    EXPECT_EQ(update.ranking.entries, stored.entries);
    EXPECT_FALSE(plan(PurposePuzzle, GradePuzzleCleared, {}, 24).write) << "no such mission";
}

}  // namespace
}  // namespace kv
