#include <gtest/gtest.h>

#include "screens/results/ranking.h"

namespace kv {
namespace {

Ranking rankingWithScores(std::initializer_list<int> scores) {
    Ranking ranking;
    int row = 0;
    for (int score : scores) ranking.entries[row++].score = score;
    return ranking;
}

TEST(RankingPlace, FirstRowWithALowerScore) {
    const Ranking full = rankingWithScores({190000, 170000, 150000, 130000, 110000});
    struct Case { int score; int place; };
    const Case cases[] = {
        {200000, 0}, {190000, 1}, {170001, 1}, {150000, 3}, {110001, 4},
        {110000, -1},  // an equal fifth score does not enter
        {1, -1},
    };
    for (const auto& c : cases) EXPECT_EQ(rankingPlace(full, c.score), c.place) << c.score;

    const Ranking partial = rankingWithScores({150000});
    EXPECT_EQ(rankingPlace(partial, 100), 1);
    EXPECT_EQ(rankingPlace(Ranking{}, 1), 0);
    EXPECT_EQ(rankingPlace(Ranking{}, 0), -1);
}

TEST(InsertRankingEntry, PushesTheLowerRowsDownAndDropsTheFifth) {
    Ranking ranking = rankingWithScores({190000, 170000, 150000, 130000, 110000});
    RankingEntry run;
    run.score = 160000;
    insertRankingEntry(ranking, rankingPlace(ranking, run.score), run);
    std::array<int, kRankingRows> scores{};
    for (int row = 0; row < kRankingRows; ++row) scores[row] = ranking.entries[row].score;
    EXPECT_EQ(scores, (std::array<int, kRankingRows>{190000, 170000, 160000, 150000, 130000}));

    insertRankingEntry(ranking, -1, run);  // a run that did not place changes nothing
    EXPECT_EQ(ranking.entries[4].score, 130000);
}

TEST(RulesAllowRanking, EveryUnrankedOptionKeepsTheRunOut) {
    EXPECT_TRUE(rulesAllowRanking({}, false));
    struct Case { const char* what; RankingRules rules; };
    const Case excluded[] = {
        {"IGMISS", {.ignoreMiss = 1}}, {"IGCOOL", {.ignoreCool = 1}},   {"AUTOPLAY EFFECT", {.autoplay = 2}},
        {"RANKING off", {.ranking = 0}}, {"BONUS", {.style = 4}},       {"LEVEL EASY", {.level = 1}},
        {"SYMMETRY", {.object = 11}},    {"TEMPO HIGH", {.tempo = 1}},
    };
    for (const auto& c : excluded) EXPECT_FALSE(rulesAllowRanking(c.rules, false)) << c.what;
    EXPECT_TRUE(rulesAllowRanking({.ranking = 2, .object = 1}, false)) << "KVFOLDER and MIRROR stay ranked";
    EXPECT_TRUE(rulesAllowRanking({.tempo = 3}, true)) << "puzzles force their own tempo";
}

TEST(RunIsPlausible, CountsMustFitTheChartAndRecomputeTheScore) {
    const RunTallies honest{.coolCount = 50, .greatCount = 30, .goodCount = 10, .breakCount = 5,
                            .missCount = 40, .noteCount = 100, .score = 0};
    RunTallies run = honest;
    run.score = scoreFromCounts(run);
    EXPECT_EQ(run.score, 50 * 2000 + 30 * 1000 + 10 * 500 + 5 * 250);
    EXPECT_TRUE(runIsPlausible(run)) << "misses beyond the note count come from presses that hit nothing";

    RunTallies inflated = run;
    inflated.score += 1;
    EXPECT_FALSE(runIsPlausible(inflated));
    RunTallies tooManyHits = run;
    tooManyHits.goodCount = 16;
    tooManyHits.score = scoreFromCounts(tooManyHits);
    EXPECT_FALSE(runIsPlausible(tooManyHits));
    RunTallies negative = run;
    negative.missCount = -1;
    EXPECT_FALSE(runIsPlausible(negative));
}

TEST(RunIsPlausible, ChartWithoutNotesScoresNothingAndDoesNotDivide) {
    EXPECT_EQ(scoreFromCounts({.coolCount = 3, .noteCount = 0}), 0);
    EXPECT_TRUE(runIsPlausible({.missCount = 2, .noteCount = 0, .score = 0}));
    EXPECT_FALSE(runIsPlausible({.coolCount = 1, .noteCount = 0, .score = 0}));
}

TEST(ScoreFromCounts, EachTermTruncatesOnItsOwn) {
    // 1 x 200000 / 3 = 66666, 1 x 100000 / 3 = 33333: the sum is 99999, not 100000.
    EXPECT_EQ(scoreFromCounts({.coolCount = 1, .greatCount = 1, .noteCount = 3}), 99999);
    EXPECT_EQ(scoreFromCounts({.coolCount = 70000, .noteCount = 70000}), 200000) << "no overflow";
}

}  // namespace
}  // namespace kv
