#include <gtest/gtest.h>

#include <array>
#include <memory>

#include "chart/gauge_rates.h"
#include "chart/judge_windows.h"
#include "chart/key_mode.h"
#include "chart/picture_frame.h"
#include "support/case_name.h"

namespace kv {
namespace {

struct WindowCase {
    double tempo;
    int rank;
    bool coolOnly;
    std::array<int, 4> windows;
};

class JudgeWindows : public ::testing::TestWithParam<WindowCase> {};

TEST_P(JudgeWindows, WidenWithTempoAndRank) {
    const WindowCase& c = GetParam();
    auto chart = std::make_unique<Chart>();
    chart->playTempo = c.tempo;
    chart->rank = std::int8_t(c.rank);
    computeJudgeWindows(*chart, c.coolOnly);
    EXPECT_EQ((std::array<int, 4>{chart->judgeWindows[0], chart->judgeWindows[1], chart->judgeWindows[2],
                                  chart->judgeWindows[3]}),
              c.windows);
}

// Case names for test lists and reports.
std::string windowCaseName(const ::testing::TestParamInfo<WindowCase>& info) {
    const WindowCase& c = info.param;
    return test::caseName({{"Tempo", c.tempo}, {"Rank", c.rank}, {"CoolOnly", c.coolOnly}});
}

INSTANTIATE_TEST_SUITE_P(Loader, JudgeWindows,
                         ::testing::Values(WindowCase{130, 2, false, {5, 9, 16, 32}},
                                           WindowCase{65, 2, false, {3, 5, 10, 20}},
                                           WindowCase{130, 0, false, {2, 4, 8, 16}},
                                           WindowCase{130, 3, false, {6, 11, 20, 40}},
                                           // Very slow: the narrow windows collapse, then strictly widen.
                                           WindowCase{1, 0, false, {0, 1, 2, 4}},
                                           WindowCase{130, 1, true, {4, 4, 4, 4}},
                                           // Very fast: capped instead of overflowing 8 bits.
                                           WindowCase{2000, 3, false, {66, 121, 127, 127}},
                                           // Beyond what an int holds once scaled.
                                           WindowCase{1e11, 3, false, {127, 127, 127, 127}},
                                           WindowCase{1e300, 0, true, {127, 127, 127, 127}}),
                         windowCaseName);

struct GaugeCase {
    const char* name;
    int noteCount;
    int total;
    GaugeRules rules;
    float gain;
    float loss;
    int scoreTarget;
};

class GaugeRates : public ::testing::TestWithParam<GaugeCase> {};

TEST_P(GaugeRates, FollowGaugeLevelAndMode) {
    const GaugeCase& c = GetParam();
    auto chart = std::make_unique<Chart>();
    chart->noteCount = c.noteCount;
    computeGaugeRates(*chart, c.total, c.rules);
    EXPECT_NEAR(chart->gaugeGain, c.gain, 1e-4);
    EXPECT_NEAR(chart->gaugeLoss, c.loss, 1e-4);
    EXPECT_EQ(chart->scoreTarget, c.scoreTarget);
}

GaugeRules rules(int gauge, int level = 0) {
    GaugeRules r;
    r.gauge = gauge;
    r.level = level;
    return r;
}

GaugeRules with(GaugeRules r, void (*change)(GaugeRules&)) {
    change(r);
    return r;
}

INSTANTIATE_TEST_SUITE_P(
    Loader, GaugeRates,
    ::testing::Values(
        GaugeCase{"Total", 150, 300, rules(0), 2.0f, 3.5f, 0},
        GaugeCase{"NoTotal", 150, 0, rules(0), 1.6f, 3.5f, 0},
        GaugeCase{"OddCountHalvesDown", 151, 0, rules(0), 1.6f, 3.5f, 0},
        GaugeCase{"NoNotes", 0, 0, rules(0), 0.0f, 3.5f, 0},
        GaugeCase{"NoNotesWithTotal", 0, 300, rules(0), 0.0f, 3.5f, 0},
        GaugeCase{"OneNoteCountsAsAPair", 1, 0, rules(0), 120.0f, 3.5f, 0},
        GaugeCase{"PuzzleIgnoresTotal", 150, 300, with(rules(0), [](GaugeRules& r) { r.puzzle = true; }), 1.6f, 3.5f,
                  0},
        GaugeCase{"Easy", 150, 0, rules(0, 1), 1.6f * 1.3f, 3.5f, 0},
        GaugeCase{"Hard", 150, 0, rules(0, 2), 1.6f * 0.7f, 3.5f, 0},
        GaugeCase{"IgnoreCool", 150, 0, with(rules(0), [](GaugeRules& r) { r.igCool = true; }), 1.6f * 1.4f, 3.5f,
                  0},
        GaugeCase{"Survival", 150, 0, rules(1), 1.6f * 0.7f, 3.5f, 0},
        GaugeCase{"SurvivalHard", 150, 0, rules(1, 2), 1.6f * 0.7f, 3.5f * 1.3f, 0},
        GaugeCase{"SurvivalCourse", 150, 0, with(rules(1, 1), [](GaugeRules& r) { r.courseOrEternal = true; }),
                  1.6f * 0.7f * 0.2f, 1.1666666f * 0.7f, 0},
        GaugeCase{"HighScoreWithoutRanking", 150, 0, rules(2), 0.0f, 0.0f, 170000},
        GaugeCase{"HighScoreBeatsTheBest", 150, 0, with(rules(2), [](GaugeRules& r) { r.rankingTopScore = 123456; }),
                  0.0f, 0.0f, 123456},
        GaugeCase{"HighScoreInBonusStyle", 150, 0, with(rules(2), [](GaugeRules& r) { r.bonusStyle = true; }), 1.6f,
                  3.5f, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(KeyModeFor, SettingAndKeyTypeChooseTheMode) {
    // Rows 4-8 depend on the chart; rows 0-3 force one mode.
    const int expected[9][4] = {{0, 0, 0, 0}, {1, 1, 1, 1}, {2, 2, 2, 2}, {3, 3, 3, 3}, {0, 1, 0, 1},
                                {0, 0, 2, 2}, {1, 1, 3, 3}, {2, 3, 2, 3}, {0, 1, 2, 3}};
    for (int key = 0; key < 9; ++key)
        for (int type = 0; type < 4; ++type) EXPECT_EQ(keyModeFor(key, type), expected[key][type]) << key << type;
    EXPECT_EQ(keyModeFor(42, 3), 3);  // a code the option panel never writes acts as AUTO
    EXPECT_EQ(keyModeFor(1, -1), 1);
}

struct FrameCase {
    const char* name;
    FrameOptions options;
    int keyMode;
    int bgaKind;
    int x, y, size;
    int hidden;
    int backdrop;
};

class PictureFrames : public ::testing::TestWithParam<FrameCase> {};

TEST_P(PictureFrames, PlaceTheFrameForTheLayout) {
    const FrameCase& c = GetParam();
    const PictureFrame frame = pictureFrameFor(c.options, c.keyMode, c.bgaKind);
    EXPECT_EQ(frame.bgaFrameX, c.x);
    EXPECT_EQ(frame.bgaFrameY, c.y);
    EXPECT_EQ(frame.bgaFrameSize, c.size);
    EXPECT_EQ(frame.bgaFrameHidden, c.hidden);
    EXPECT_EQ(frame.backdropInUse, c.backdrop);
}

INSTANTIATE_TEST_SUITE_P(
    Loader, PictureFrames,
    ::testing::Values(FrameCase{"HalfLeft", {0, 1, 0, 0}, 0, 1, 346, 93, 256, 0, 0},
                      FrameCase{"HalfMiddleTenKeys", {0, 1, 0, 1}, 2, 1, 489, 155, 128, 0, 0},
                      FrameCase{"SeparateLeftFourteen", {0, 1, 1, 0}, 3, 1, 415, 129, 192, 0, 0},
                      FrameCase{"BigMovesUp", {0, 2, 0, 0}, 1, 1, 299, 67, 320, 0, 0},
                      FrameCase{"BigWithoutRoomStaysPut", {0, 2, 0, 1}, 0, 1, 424, 129, 192, 0, 0},
                      FrameCase{"NoRoomNormal", {0, 1, 1, 1}, 3, 1, -1, -1, -1, 0, 0},
                      FrameCase{"NoRoomFull", {0, 4, 1, 1}, 3, 2, -1, -1, 256, 0, 1},
                      FrameCase{"Scan2", {2, 1, 0, 0}, 2, 1, 342, 22, 192, 0, 0},
                      FrameCase{"Scan2NoRoom", {2, 1, 1, 0}, 3, 1, -1, 22, -1, 0, 0},
                      FrameCase{"ChartWithoutPictures", {0, 4, 0, 0}, 0, 0, 346, 93, 256, 1, 0},
                      FrameCase{"WaveHidesTheFrame", {3, 1, 0, 0}, 0, 1, 346, 93, 256, 1, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PictureFrames, Full2ShowsTheMiddleBand) {
    const PictureFrame frame = pictureFrameFor({0, 5, 0, 0}, 0, 1);
    EXPECT_EQ(frame.bgaSourceRect.top, 32);
    EXPECT_EQ(frame.bgaSourceRect.bottom, 225);
    EXPECT_EQ(pictureFrameFor({0, 4, 0, 0}, 0, 1).bgaSourceRect.bottom, 256);
}

}  // namespace
}  // namespace kv
