#include <gtest/gtest.h>

#include <sstream>

#include "chart/chart_info.h"
#include "chart/chart_timing.h"
#include "chart_fixture.h"

namespace kv::testing {
namespace {

struct LengthCase {
    const char* name;
    std::string text;
    double seconds;
};

class PlayLength : public ChartLoadTest, public ::testing::WithParamInterface<LengthCase> {};

TEST_P(PlayLength, FollowsMeasureLengthsAndTempoChanges) {
    ASSERT_EQ(load(GetParam().text), 1);
    EXPECT_NEAR(playLengthSeconds(*chart), GetParam().seconds, 1e-9);
}

constexpr double kBar130 = 4 * 60.0 / 130;  // one standard measure at 130 BPM

INSTANTIATE_TEST_SUITE_P(
    Info, PlayLength,
    ::testing::Values(LengthCase{"OneMeasure", "#00011:01\n", kBar130},
                      LengthCase{"TwoMeasures", "#00111:01\n", 2 * kBar130},
                      LengthCase{"HalfMeasure", "#00002:0.5\n#00111:01\n", 1.5 * kBar130},
                      // 0x41 = 65 BPM from the middle of measure 1.
                      LengthCase{"HalfTempoHalfway", "#00103:0041\n#00111:01\n", kBar130 + kBar130 / 2 + kBar130},
                      // 0xC8 = 200 BPM from measure 2, written before the change of measure 1.
                      LengthCase{"ChangesInOrderOfPosition", "#00203:C8\n#00103:41\n#00211:01\n",
                                 kBar130 + 2 * kBar130 + kBar130 * 130 / 200}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ChartLoadTest, PlayLengthFollowsTheRateOptions) {
    ASSERT_EQ(load("#00111:01\n"), 1);
    struct Case {
        PlaybackRate rate;
        double seconds;
    };
    const Case cases[] = {
        {{0, 50}, 2 * kBar130},         {{1, 50}, 2 * kBar130 / 1.5},        {{4, 50}, 2 * kBar130 / 0.5},
        {{0, 60}, 2 * kBar130 / 1.01},  {{2, 40}, 2 * kBar130 / (2 * 0.99)},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(playLengthSeconds(*chart, c.rate), c.seconds, 1e-6) << c.rate.tempo << " " << c.rate.bpmEdit;
}

TEST_F(ChartLoadTest, InfoReportNamesWhatPlayUses) {
    entry.title = "\x93\xfa\x96\x7b";  // "Japan" in Shift-JIS
    ASSERT_EQ(load(lines({"#WAV01 a.wav", "#00111:01", "#00103:82", "#00102:0.5", "#00101:01"})), 1);
    std::ostringstream out;
    writeChartInfo(out, *chart, entry, MissingMedia{{"lost.wav"}, {}}, {});
    const std::string json = out.str();
    for (const char* part : {"\"title\":\"日本\"", "\"keyMode\":0", "\"noteCount\":1", "\"lastMeasure\":1",
                             "\"tempoChanges\":[{\"measure\":1,\"position\":0,\"bpm\":130}]",
                             "\"measureLengths\":[{\"measure\":1,\"length\":144}]", "\"judgeWindows\":[5,9,16,32]",
                             "\"laneObjects\":[0,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0]", "\"bgmEvents\":1",
                             "\"missingSamples\":[\"lost.wav\"]", "\"missingPictures\":[]"})
        EXPECT_NE(json.find(part), std::string::npos) << part << "\n" << json;
    EXPECT_EQ(json.back(), '\n');
}

}  // namespace
}  // namespace kv::testing
