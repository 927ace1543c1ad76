// Long notes and stops: read only with their switches on, and then paired,
// bounded and placed as players expect.
#include <gtest/gtest.h>

#include "chart/chart_timing.h"
#include "chart_fixture.h"

namespace kv::testing {
namespace {

// (measure, position, end measure, end position) of each note of a lane;
// a plain note ends at -1, 0.
using Spans = std::vector<std::array<int, 4>>;

class LongNoteLoad : public ChartLoadTest {
protected:
    LongNoteLoad() {
        settings.LONGNOTES = 1;
        settings.STOPS = 1;
    }
    Spans spansIn(int lane) const {
        Spans spans;
        for (const ChartObject& o : chart->sourceLanes[std::size_t(lane)])
            spans.push_back({o.measure, o.position, o.endMeasure, o.endPosition});
        return spans;
    }
};

struct SpanCase {
    const char* name;
    std::string text;
    Spans lane1;
    int noteCount;
    int bgmEvents;
};

class LongNoteReading : public LongNoteLoad, public ::testing::WithParamInterface<SpanCase> {};

TEST_P(LongNoteReading, MakesOneNoteWithAnEnd) {
    const SpanCase& c = GetParam();
    ASSERT_EQ(load(c.text), 1);
    EXPECT_EQ(spansIn(1), c.lane1);
    EXPECT_EQ(chart->noteCount, c.noteCount);
    EXPECT_EQ(chart->bgm.size(), c.bgmEvents);
}

INSTANTIATE_TEST_SUITE_P(
    Loader, LongNoteReading,
    ::testing::Values(
        SpanCase{"PairOnChannel51", "#00151:0101\n", {{1, 0, 1, 144}}, 1, 0},
        SpanCase{"PairAcrossMeasures", "#00151:00000001\n#00251:01\n", {{1, 216, 2, 0}}, 1, 0},
        SpanCase{"EndScaledInItsOwnMeasure", "#00151:01\n#00251:0001\n#00202:0.5\n", {{1, 0, 2, 72}}, 1, 0},
        SpanCase{"UnpairedStartIsAPlainNote", "#00151:01010001\n", {{1, 0, 1, 72}, {1, 216, -1, 0}}, 2, 0},
        SpanCase{"PlainNotesBesideLongOnes", "#00111:00000001\n#00151:0101\n", {{1, 0, 1, 144}, {1, 216, -1, 0}}, 2, 0},
        SpanCase{"NoteUnderAHeldNoteSoundsByItself", "#00111:00010001\n#00151:0101\n", {{1, 0, 1, 144}, {1, 216, -1, 0}}, 2, 1},
        SpanCase{"NoteOnTheHeadSoundsByItself", "#00111:01\n#00151:0101\n", {{1, 0, 1, 144}}, 1, 1},
        SpanCase{"LongNoteFromTheEndOfAnother", "#00151:01010000\n#00151:00010001\n", {{1, 0, 1, 72}, {1, 72, 1, 216}}, 2, 0},
        SpanCase{"TypeTwoRunHoldsToTheLastCellsEnd", "#LNTYPE 2\n#00151:01010100\n", {{1, 0, 1, 216}}, 1, 0},
        SpanCase{"TypeTwoRunAcrossMeasures", "#LNTYPE 2\n#00151:0001\n#00251:0100\n", {{1, 144, 2, 144}}, 1, 0},
        SpanCase{"TypeTwoGapsSplitRuns", "#LNTYPE 2\n#00151:01000101\n", {{1, 0, 1, 72}, {1, 144, 2, 0}}, 2, 0},
        SpanCase{"LnobjEndsThePreviousNote", "#LNOBJ ZZ\n#00111:01ZZ0100\n", {{1, 0, 1, 72}, {1, 144, -1, 0}}, 2, 0},
        SpanCase{"LnobjAcrossMeasures", "#00111:0001\n#00211:ZZ\n#LNOBJ zz\n", {{1, 144, 2, 0}}, 1, 0},
        SpanCase{"LnobjWithNothingToEndIsDropped", "#LNOBJ ZZ\n#00111:ZZ01ZZZZ\n", {{1, 72, 1, 144}}, 1, 0}),
    [](const auto& info) { return info.param.name; });

TEST_F(LongNoteLoad, StopsNameTheirLengthsAndBadOnesStopNothing) {
    ASSERT_EQ(load(lines({"#STOP01 96", "#STOP02 0", "#STOP03 -48", "#STOPZZ 1.5", "#00109:01020304", "#00209:ZZ",
                          "#00211:01"})),
              1);
    ASSERT_EQ(chart->stops.size(), 2);  // 02 and 03 stop nothing, 04 is not defined
    EXPECT_EQ(chart->stops[0].measure, 1);
    EXPECT_EQ(chart->stops[0].position, 0);
    EXPECT_FLOAT_EQ(chart->stops[0].length, 96);
    EXPECT_FLOAT_EQ(chart->stops[1].length, 1.5f);
}

TEST_F(LongNoteLoad, PlayLengthCountsStopsAtTheTempoInForceCapped) {
    // 120 BPM, measure 0 half at 120 BPM; a stop of 96/192 measure at 150 BPM set
    // at the same place lasts 0.8 s, then the rest and two measures at 150;
    // a stop of 10 measures at 1 BPM is capped.
    entry.bpm = 120;  // the header scan's tempo
    ASSERT_EQ(load(lines({"#BPM 120", "#STOP01 96", "#STOP02 1920", "#BPM01 1", "#00003:0096", "#00009:0001",
                          "#00111:01", "#00211:01"})),
              1);
    EXPECT_NEAR(playLengthSeconds(*chart), 1.0 + 0.8 + 0.8 + 2 * 1.6, 1e-9);
    ASSERT_EQ(load(lines({"#BPM 120", "#STOP02 1920", "#BPM01 1", "#00008:01", "#00009:02", "#00011:01"})), 1);
    EXPECT_NEAR(playLengthSeconds(*chart), 240.0 + kMaxStopSeconds, 1e-9);
}

// With both switches off the extension lines are what they always were:
// ignored, so the chart is exactly the classic reading.
TEST_F(ChartLoadTest, SwitchesOffReadTheClassicChart) {
    const std::string text = lines({"#LNOBJ ZZ", "#LNTYPE 1", "#STOP01 96", "#00111:01ZZ", "#00151:0101",
                                    "#00109:01", "#00211:01"});
    for (const bool lineWritten : {false, true}) {
        if (lineWritten) settings.LONGNOTES = settings.STOPS = 0;
        ASSERT_EQ(load(text), 1);
        EXPECT_EQ(placesIn(1), (Places{{1, 0}, {1, 144}, {2, 0}}));
        EXPECT_FALSE(chart->sourceLanes[1][0].isLong());
        EXPECT_EQ(chart->noteCount, 3);
        EXPECT_TRUE(chart->stops.empty());
        EXPECT_NEAR(playLengthSeconds(*chart), 3 * 4 * 60.0 / 130, 1e-9);
    }
}

}  // namespace
}  // namespace kv::testing
