#include <gtest/gtest.h>

#include "chart_fixture.h"
#include "support/case_name.h"

namespace kv::testing {
namespace {

struct TempoCase {
    const char* name;
    std::string text;
    std::vector<TempoChange> changes;
};

class TempoRules : public ChartLoadTest, public ::testing::WithParamInterface<TempoCase> {};

TEST_P(TempoRules, ChannelsThreeAndEightMakeTempoChanges) {
    const TempoCase& c = GetParam();
    ASSERT_EQ(load(c.text), 1);
    ASSERT_EQ(chart->tempoChanges.size(), int(c.changes.size()));
    for (int i = 0; i < chart->tempoChanges.size(); ++i) {
        EXPECT_EQ(chart->tempoChanges[i].measure, c.changes[std::size_t(i)].measure) << i;
        EXPECT_EQ(chart->tempoChanges[i].position, c.changes[std::size_t(i)].position) << i;
        EXPECT_FLOAT_EQ(chart->tempoChanges[i].bpm, c.changes[std::size_t(i)].bpm) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Loader, TempoRules,
    ::testing::Values(
        TempoCase{"ExtendedTable", "#BPM01 150.5\n#00108:0100\n", {{1, 0, 150.5f}}},
        TempoCase{"UndefinedExtendedIs130", "#00108:0200\n", {{1, 0, 130.0f}}},
        TempoCase{"HexadecimalValue", "#00103:FF\n", {{1, 0, 255.0f}}},
        TempoCase{"ZeroPairMakesNothing", "#00103:00\n", {}},
        TempoCase{"LastTableEntryIsUsable", "#BPMFF 200\n#00108:FF\n", {{1, 0, 200.0f}}},
        TempoCase{"ZeroTempoIsDropped", "#BPM02 0\n#00108:0002\n", {}},
        TempoCase{"ScaledWithTheirMeasure", "#00202:0.5\n#00203:0080\n", {{2, 72, 128.0f}}},
        TempoCase{"PositionOrderNotFileOrder", "#00203:78\n#00103:00C8\n#00103:50\n",
                  {{1, 0, 80.0f}, {1, 144, 200.0f}, {2, 0, 120.0f}}},
        TempoCase{"SamePlaceKeepsFileOrder", "#00103:64\n#BPM01 90\n#00108:01\n", {{1, 0, 100.0f}, {1, 0, 90.0f}}},
        // A 1/16 measure: the change written 1/32 of the way in lands on the
        // grid position of the one at its start and overrides it.
        TempoCase{"GridCollisionLatestWrittenWins",
                  "#00102:0.0625\n#BPM01 0.546875\n#BPM02 9990400\n#00108:0102" + std::string(60, '0') + "\n",
                  {{1, 0, 9990400.0f}}},
        TempoCase{"GridCollisionIsDecidedByPlaceNotFileOrder", "#00102:0.004\n#00103:00FF\n#00103:64\n",
                  {{1, 0, 255.0f}}},
        TempoCase{"GridCollisionLeavesOtherPositionsAlone", "#00102:0.004\n#00103:00FF\n#00103:64\n#00203:50\n",
                  {{1, 0, 255.0f}, {2, 0, 80.0f}}}),
    [](const auto& info) { return std::string(info.param.name); });

struct HeaderTempoCase {
    float entryBpm;
    int tempo;
    int bpmEdit;
    double baseTempo;
    double playTempo;
};

class HeaderTempo : public ChartLoadTest, public ::testing::WithParamInterface<HeaderTempoCase> {};

TEST_P(HeaderTempo, BaseTempoIsPositiveAndPlayTempoTakesTheRateOptions) {
    const HeaderTempoCase& c = GetParam();
    entry.bpm = c.entryBpm;
    settings.TEMPO = std::int8_t(c.tempo);
    settings.BPMEDIT = c.bpmEdit;
    ASSERT_EQ(load("#00111:01\n"), 1);
    EXPECT_DOUBLE_EQ(chart->baseTempo, c.baseTempo);
    EXPECT_NEAR(chart->playTempo, c.playTempo, 1e-9);
}

// Case names for test lists and reports.
std::string headerTempoCaseName(const ::testing::TestParamInfo<HeaderTempoCase>& info) {
    const HeaderTempoCase& c = info.param;
    return test::caseName({{"Bpm", c.entryBpm}, {"Tempo", c.tempo}, {"BpmEdit", c.bpmEdit}});
}

INSTANTIATE_TEST_SUITE_P(Loader, HeaderTempo,
                         ::testing::Values(HeaderTempoCase{150.0f, 0, 50, 150.0, 150.0},
                                           HeaderTempoCase{-150.0f, 0, 50, 150.0, 150.0},  // chart changes tempo
                                           HeaderTempoCase{0.0f, 0, 50, 130.0, 130.0},     // 0 would never move
                                           HeaderTempoCase{100.0f, 1, 50, 100.0, 150.0},
                                           HeaderTempoCase{100.0f, 4, 50, 100.0, 50.0},
                                           HeaderTempoCase{100.0f, 0, 60, 100.0, 101.0},
                                           HeaderTempoCase{100.0f, 3, 0, 100.0, 71.25}),
                         headerTempoCaseName);

TEST_F(ChartLoadTest, TempoOptionPitchesEverySample) {
    settings.TEMPO = 2;
    media.missing = {"b.wav"};
    ASSERT_EQ(load("#WAV01 a.wav\n#WAV02 b.wav\n"), 1);
    EXPECT_EQ(media.rates, (std::vector<std::pair<int, double>>{{1, 2.0}, {2, 2.0}}));
}

}  // namespace
}  // namespace kv::testing
