#include <gtest/gtest.h>

#include "chart_fixture.h"

namespace kv::testing {
namespace {

const std::string kTwoBranches = lines({"#RANDOM 2", "#IF 1", "#00111:01", "#ENDIF", "#IF 2", "#00112:01", "#ENDIF",
                                        "#00113:01"});

struct RandomCase {
    const char* name;
    std::string text;
    std::vector<int> draws;   // numbers the generator hands out
    std::vector<int> lanes;   // lanes that end up holding a note
};

class RandomBlocks : public ChartLoadTest, public ::testing::WithParamInterface<RandomCase> {};

TEST_P(RandomBlocks, KeepOnlyTheChosenBranch) {
    const RandomCase& c = GetParam();
    context.random = randomSequence(c.draws);
    ASSERT_EQ(load(c.text), 1);
    std::vector<int> lanes;
    for (int lane = 0; lane < kLaneCount; ++lane)
        if (!chart->sourceLanes[std::size_t(lane)].empty()) lanes.push_back(lane);
    EXPECT_EQ(lanes, c.lanes);
}

INSTANTIATE_TEST_SUITE_P(
    Loader, RandomBlocks,
    ::testing::Values(
        RandomCase{"FirstBranch", kTwoBranches, {4}, {1, 3}},
        RandomCase{"SecondBranch", kTwoBranches, {7}, {2, 3}},
        RandomCase{"IfBeforeRandomComparesWithOne", lines({"#IF 1", "#00111:01", "#ENDIF", "#IF 2", "#00112:01", "#ENDIF"}),
                   {}, {1}},
        RandomCase{"ZeroRangeGivesOne", lines({"#RANDOM 0", "#IF 1", "#00111:01", "#ENDIF"}), {}, {1}},
        RandomCase{"NegativeRangeGivesOne", lines({"#RANDOM -3", "#IF 1", "#00111:01", "#ENDIF"}), {}, {1}},
        RandomCase{"KeywordsInAnyCase", lines({"#random 2", "#if 2", "#00111:01", "#endif", "#00112:01"}), {0}, {2}},
        // Blocks do not nest: the inner #ENDIF ends the skip.
        RandomCase{"FirstEndifEndsTheSkip",
                   lines({"#RANDOM 2", "#IF 2", "#IF 1", "#00111:01", "#ENDIF", "#00112:01", "#ENDIF", "#00113:01"}),
                   {0}, {2, 3}},
        RandomCase{"SkipReachingTheEndStopsThere", lines({"#RANDOM 2", "#IF 2", "#00111:01", "#00112:01"}), {0}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ChartLoadTest, SkippedLinesStillCountForErrorMessages) {
    context.random = randomSequence({0});
    media.missing = {"lost.wav"};
    ASSERT_EQ(load(lines({"#RANDOM 2", "#IF 2", "#WAV01 skipped.wav", "#ENDIF", "#WAV02 lost.wav"})), 1);
    EXPECT_EQ(media.samples, (std::vector<std::pair<int, std::string>>{{2, "lost.wav"}}));
    ASSERT_FALSE(screen.drawn.empty());
    EXPECT_EQ(screen.drawn[0].second, "WAVE ERROR !  LINE:4  NAME:lost.wav");
}

}  // namespace
}  // namespace kv::testing
