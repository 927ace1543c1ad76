#include <gtest/gtest.h>

#include "play/tempo.h"
#include "play/timeline.h"
#include "play_fixture.h"
#include "support/case_name.h"

namespace kv::test {
namespace {

struct StepLengthCase {
    double bpm;
    std::int8_t tempoOption;
    int bpmEdit;
    double msPerStep;
};

class StepLength : public ::testing::TestWithParam<StepLengthCase> {};

TEST_P(StepLength, FollowsTempoAndRateOptions) {
    const StepLengthCase& c = GetParam();
    PlayFixture f;
    f.chart->baseTempo = c.bpm;
    f.config.tempo = c.tempoOption;
    f.config.bpmEdit = c.bpmEdit;
    f.start();
    EXPECT_NEAR(f.play->tempo.msPerStep, c.msPerStep, 0.001);
    EXPECT_NEAR(f.play->tempo.tickMs, c.msPerStep, 0.001);
}

// Case names for test lists and reports.
std::string stepLengthCaseName(const ::testing::TestParamInfo<StepLengthCase>& info) {
    const StepLengthCase& c = info.param;
    return caseName({{"Bpm", c.bpm}, {"Tempo", c.tempoOption}, {"BpmEdit", c.bpmEdit}});
}

INSTANTIATE_TEST_SUITE_P(Tempos, StepLength,
                         ::testing::Values(StepLengthCase{120, 0, 50, 1000.0 / 144},
                                           StepLengthCase{130, 0, 50, 1000.0 / 156},
                                           StepLengthCase{150, 0, 50, 1000.0 / 180},
                                           StepLengthCase{120, 1, 60, 4.5837},         // 181.8 BPM
                                           StepLengthCase{120, 2, 50, 1000.0 / 288},   // HIGH2
                                           StepLengthCase{120, 3, 50, 1000.0 / 108},   // LOW1
                                           StepLengthCase{120, 4, 0, 1000.0 / 68.4}),  // LOW2, trim -5 %
                         stepLengthCaseName);

TEST(Tempo, NonPositiveTempoIsIgnored) {
    PlayFixture f;
    f.start();
    const double before = f.play->tempo.msPerStep;
    PlayContext ctx = f.context();
    applyTempo(ctx, 0.0);
    applyTempo(ctx, -20.0);
    EXPECT_EQ(f.play->tempo.msPerStep, before);
    EXPECT_EQ(f.chart->playTempo, 130.0);
}

TEST(Tempo, JudgementWindowsFollowTempoChanges) {
    PlayFixture f;
    f.chart->tempoChanges.push(TempoChange{0, 0, 65.0f});
    f.start();
    EXPECT_EQ(f.chart->judgeWindows, (std::array<std::int8_t, 4>{5, 9, 16, 32}));
    f.stepToCursor(0);
    EXPECT_EQ(f.chart->judgeWindows, (std::array<std::int8_t, 4>{3, 5, 10, 20}));
}

// Walks a cursor from (0, 0) and returns the number of steps until it
// enters `measure`.
int stepsToMeasure(const Chart& chart, int measure) {
    Cursor cursor;
    int steps = 0;
    while (cursor.measure < measure) {
        advanceCursor(cursor, chart);
        ++steps;
    }
    return steps;
}

TEST(Cursor, WalksListedMeasureLengths) {
    Chart chart;
    chart.measureLengths.push(MeasureLength{1, 144});  // half measure
    chart.measureLengths.push(MeasureLength{3, 432});
    chart.measureLengths.push(MeasureLength{4, 288});   // listed, standard
    const struct {
        int measure;
        int steps;
    } cases[] = {{1, 288}, {2, 288 + 144}, {3, 288 + 144 + 288}, {4, 720 + 432}, {5, 1152 + 288}, {6, 1440 + 288}};
    for (const auto& c : cases) EXPECT_EQ(stepsToMeasure(chart, c.measure), c.steps) << "measure " << c.measure;
}

TEST(Cursor, HalfMeasureChangesAfterStep143) {
    Chart chart;
    chart.measureLengths.push(MeasureLength{0, 144});
    Cursor cursor;
    for (int i = 0; i < 143; ++i) EXPECT_FALSE(advanceCursor(cursor, chart));
    EXPECT_EQ(cursor.step, 143);
    EXPECT_TRUE(advanceCursor(cursor, chart));
    EXPECT_EQ(cursor.measure, 1);
    EXPECT_EQ(cursor.step, 0);
}

// The play cursor is "now"; the spawn cursor runs 785 steps ahead of it,
// through count-in measures and listed lengths alike.
TEST(Cursor, PlayCursorStays785StepsBehindSpawning) {
    PlayFixture f;
    f.chart->measureLengths.push(MeasureLength{0, 144});
    f.chart->measureLengths.push(MeasureLength{2, 500});
    f.extendTo(6);
    f.start();
    const MeasureStarts& starts = f.play->measureStarts;
    auto absolute = [&](const Cursor& c) {
        return c.measure < 0 ? (c.measure * 288 + c.step) : absoluteStep(starts, c.measure, c.step);
    };
    for (int i = 0; i < 2500; ++i) {
        f.step();
        ASSERT_EQ(absolute(f.play->spawnCursor) - absolute(f.play->playCursor), 785) << "after step " << i;
    }
    EXPECT_EQ(f.play->playAbsStep, absolute(f.play->playCursor));
}

TEST(Timeline, BackgroundSoundsFireAtTheirStep) {
    PlayFixture f;
    f.addBgm(0, 0, 11);
    f.addBgm(0, 100, 12);
    f.addBgm(0, 100, 13);
    f.addBgm(1, 5, 14);
    f.start();
    f.stepToCursor(300);
    EXPECT_EQ(f.sound.samplesAt(stepIndexAt(0)), (std::vector<int>{11}));
    EXPECT_EQ(f.sound.samplesAt(stepIndexAt(100)), (std::vector<int>{12, 13}));
    EXPECT_EQ(f.sound.samplesAt(stepIndexAt(288 + 5)), (std::vector<int>{14}));
}

TEST(Timeline, MusicStartsAtCountInEndAndAgainAtMeasureZero) {
    PlayFixture f;
    f.start();
    f.stepToCursor(10);
    std::vector<long> starts;
    for (const SoundEvent& e : f.sound.events)
        if (e.kind == SoundEvent::Music) starts.push_back(e.step);
    EXPECT_EQ(starts, (std::vector<long>{stepIndexAt(-288), stepIndexAt(0)}));
}

TEST(Timeline, TempoChangeTakesEffectMidMeasure) {
    PlayFixture f;
    f.chart->baseTempo = 120;
    f.chart->tempoChanges.push(TempoChange{0, 144, 240.0f});
    f.start();
    f.stepToCursor(143);
    EXPECT_NEAR(f.play->tempo.msPerStep, 1000.0 / 144, 1e-9);
    f.step();
    EXPECT_NEAR(f.play->tempo.msPerStep, 1000.0 / 288, 1e-9);
    EXPECT_EQ(f.chart->playTempo, 240.0);
}

TEST(Timeline, TwoTempoChangesAtOnePositionTakeTwoSteps) {
    PlayFixture f;
    f.chart->tempoChanges.push(TempoChange{0, 10, 100.0f});
    f.chart->tempoChanges.push(TempoChange{0, 10, 200.0f});
    f.start();
    f.stepToCursor(10);
    EXPECT_EQ(f.chart->playTempo, 100.0);
    f.step();
    EXPECT_EQ(f.chart->playTempo, 200.0);
}

TEST(Timeline, PictureEventsSelectDefinitionsOrBitmaps) {
    PlayFixture f;
    f.chart->bgaDefs[37].defined = true;
    f.chart->bgaLayer.push(ChartEvent{0, 0, 40});  // base 36 "14" -> bitmap 0x14
    f.chart->bgaBase.push(ChartEvent{0, 5, 37});   // a definition
    f.chart->bgaPoor.push(ChartEvent{0, 5, 71});   // "1Z" -> 16 + 35
    f.start();
    f.stepToCursor(0);
    const PictureState& shown = f.play->pictures;
    EXPECT_EQ(shown.shownLayer, 0x14);
    EXPECT_FALSE(shown.shownLayerIsDef);
    EXPECT_EQ(shown.shownBase, kBlankPicture) << "a layer over no base shows a blank base";
    f.stepToCursor(5);
    EXPECT_EQ(shown.shownBase, 37);
    EXPECT_TRUE(shown.shownBaseIsDef);
    EXPECT_EQ(shown.shownPoor, 16 + 35);
    EXPECT_FALSE(shown.shownPoorIsDef);
}

// y = 402 - (note position - play cursor): a note stands on the line when
// the cursor is on it, and passes it one step later.
TEST(Timeline, NotesReachTheLineWithTheCursor) {
    PlayFixture f;
    f.addNote(1, 1, 0, 5);
    f.start();
    f.stepToCursor(288);
    const PoolObject& note = f.play->pool[0];
    EXPECT_EQ(note.y, kLineY);
    EXPECT_EQ(note.kind, kApproaching);
    f.step();
    EXPECT_EQ(note.y, kLineY + 1);
    EXPECT_EQ(note.kind, kPastLine);
}

}  // namespace
}  // namespace kv::test
