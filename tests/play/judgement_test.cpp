#include <gtest/gtest.h>

#include "play/judgement.h"
#include "play/tallies.h"
#include "play_fixture.h"
#include "support/case_name.h"

namespace kv::test {
namespace {

// A run at 130 BPM, rank 2 (windows 5, 9, 16, 32) with notes placed
// straight into the pool, so each case sets the exact distance it needs.
class JudgeFixture : public PlayFixture {
public:
    JudgeFixture() {
        chart->noteCount = 4;
        extendTo(20);
    }
    void begin(float gauge = 50.0f) {
        start();
        play->gauge = gauge;
    }
    // A note of lane 1 at distance d before the line (negative: past it).
    PoolObject& place(int slot, int d, int lane = 1, int kind = 0) {
        PoolObject& o = play->pool[std::size_t(slot)];
        if (kind == 0) kind = d < 0 ? kPastLine : kApproaching;
        o = PoolObject{kind, kLineY - d, lane, 7, 0};
        return o;
    }
    void pressLane(int lane, int state = 1, int lateSteps = 0) {
        LaneControls controls{};
        controls[std::size_t(lane)] = std::int8_t(state);
        LaneLateness late{};
        late[std::size_t(lane)] = std::int16_t(lateSteps);
        PlayContext ctx = context();
        judgeKeys(ctx, controls, late);
        judgeKeys(ctx, LaneControls{});
    }
};

// A press that reached the game after its own step had run is judged
// where the notes stood in that step: each was one unit a step higher.
TEST(LatePress, IsJudgedWhereTheNotesStoodInItsOwnStep) {
    struct Case {
        int d;          // distance before the line now (negative: past it)
        int lateSteps;  // how many steps ago the press happened
        JudgementCode code;
    };
    const Case cases[] = {
        {-6, 0, Great}, {-6, 6, Cool}, {2, 0, Cool}, {2, 4, Great}, {-12, 4, Great}, {-12, 12, Cool},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("d " + std::to_string(c.d) + ", " + std::to_string(c.lateSteps) + " steps late");
        JudgeFixture f;
        f.begin();
        f.place(0, c.d);
        f.pressLane(1, 1, c.lateSteps);
        EXPECT_EQ(f.play->judge.code, judgementImage(c.code));
    }
}

struct WindowCase {
    int d;
    JudgementCode code;
    int kindAfter;
};

class JudgementWindow : public ::testing::TestWithParam<WindowCase> {};

TEST_P(JudgementWindow, DistanceSelectsJudgement) {
    const WindowCase& c = GetParam();
    JudgeFixture f;
    f.begin();
    PoolObject& note = f.place(0, c.d);
    f.pressLane(1);
    const Play& p = *f.play;
    EXPECT_EQ(p.coolCount, c.code == Cool);
    EXPECT_EQ(p.greatCount, c.code == Great);
    EXPECT_EQ(p.goodCount, c.code == Good);
    EXPECT_EQ(p.breakCount, c.code == Break);
    EXPECT_EQ(p.missCount, c.code == Miss);
    EXPECT_EQ(p.judge.code, judgementImage(c.code));
    EXPECT_EQ(note.kind, c.kindAfter);
}

// Case names for test lists and reports.
std::string windowCaseName(const ::testing::TestParamInfo<WindowCase>& info) {
    return caseName({{"Distance", info.param.d}});
}

INSTANTIATE_TEST_SUITE_P(Boundaries, JudgementWindow,
                         ::testing::Values(WindowCase{0, Cool, 9}, WindowCase{4, Cool, 9}, WindowCase{-4, Cool, 10},
                                           WindowCase{5, Great, 9}, WindowCase{8, Great, 9},
                                           WindowCase{9, Good, 5}, WindowCase{15, Good, 5},
                                           WindowCase{16, Break, 5}, WindowCase{-31, Break, 6},
                                           WindowCase{32, Miss, 1}, WindowCase{200, Miss, 1}),
                         windowCaseName);

TEST(Judgement, AimsAtTheLaneNoteNearestTheLine) {
    JudgeFixture f;
    f.begin();
    PoolObject& far = f.place(0, 30);
    PoolObject& near = f.place(1, 2);
    PoolObject& otherLane = f.place(2, 0, 3);
    f.pressLane(1);
    EXPECT_EQ(near.kind, kApproaching + kHitVanish);
    EXPECT_EQ(far.kind, kApproaching);
    EXPECT_EQ(otherLane.kind, kApproaching);
}

TEST(Judgement, NotesThatAreNotPlayableAreNeverAimedAt) {
    for (int kind : {kKindAuto, kKindDoubled, kKindInvisible, kApproaching + kHitKept, kApproaching + kHitVanish}) {
        JudgeFixture f;
        f.begin();
        f.place(0, 0, 1, kind);
        f.pressLane(1);
        EXPECT_EQ(f.play->coolCount, 0) << "kind " << kind;
        EXPECT_EQ(f.play->missCount, 1) << "a lane object is still in the pool, kind " << kind;
    }
}

struct GaugeCase {
    GaugeType gauge;
    JudgementCode code;
    float after;  // from 50 with gain 1.0 and loss 3.5
};

class GaugeChange : public ::testing::TestWithParam<GaugeCase> {};

TEST_P(GaugeChange, ByJudgementAndGaugeType) {
    const GaugeCase& c = GetParam();
    JudgeFixture f;
    f.config.gauge = c.gauge;
    f.begin();
    const int distance[] = {0, 0, 6, 10, 20, 40};
    f.place(0, distance[c.code]);
    f.pressLane(1);
    EXPECT_NEAR(f.play->gauge, c.after, 1e-4);
}

// Case names for test lists and reports.
std::string gaugeCaseName(const ::testing::TestParamInfo<GaugeCase>& info) {
    const char* const gauges[] = {"Groove", "Survival", "HighScore"};
    const char* const judgements[] = {"", "Cool", "Great", "Good", "Break", "Miss"};
    return std::string(gauges[info.param.gauge]) + judgements[info.param.code];
}

INSTANTIATE_TEST_SUITE_P(
    Gauges, GaugeChange,
    ::testing::Values(GaugeCase{Groove, Cool, 51.0f}, GaugeCase{Groove, Great, 50.6f}, GaugeCase{Groove, Good, 50.2f},
                      GaugeCase{Groove, Break, 48.25f}, GaugeCase{Groove, Miss, 46.5f},
                      GaugeCase{Survival, Cool, 51.0f}, GaugeCase{Survival, Great, 50.6f},
                      GaugeCase{Survival, Break, 46.5f}, GaugeCase{Survival, Miss, 43.0f},
                      // HIGHSC.: the gauge is the score / 2000 (one COOL of 4 notes: 50000).
                      GaugeCase{HighScore, Cool, 25.0f}, GaugeCase{HighScore, Good, 6.25f}),
    gaugeCaseName);

TEST(Gauge, PassesItsRangeBetweenFramesSoGainsAndLossesAddUp) {
    JudgeFixture f;
    f.chart->gaugeGain = 30.0f;
    f.begin(95.0f);
    f.place(0, 0);
    f.pressLane(1);
    EXPECT_EQ(f.play->gauge, 125.0f);
    f.place(1, 40);
    f.pressLane(1);  // a miss: 3.5 off the unclamped gauge
    EXPECT_EQ(f.play->gauge, 121.5f);
    clampGauge(*f.play);
    EXPECT_EQ(f.play->gauge, 100.0f);
    f.play->gauge = 2.0f;
    f.place(2, 40);
    f.pressLane(1);
    EXPECT_EQ(f.play->gauge, -1.5f);
    clampGauge(*f.play);
    EXPECT_EQ(f.play->gauge, 0.0f);
}

struct StartCase {
    GaugeType gauge;
    bool autoplay;
    std::int8_t replay;
    PlayStyle style;
    float start;
};

TEST(Gauge, StartValueByGaugeAndMode) {
    const StartCase cases[] = {
        {Groove, false, ReplayOff, Bemusic, 9.0f},     {Survival, false, ReplayOff, Bemusic, 100.0f},
        {HighScore, false, ReplayOff, Bemusic, 0.0f},  {Groove, true, ReplayOff, Bemusic, 100.0f},
        {Groove, false, ReplayLoad, Bemusic, 100.0f},  {HighScore, false, ReplayOff, Bonus, 100.0f},
    };
    for (const StartCase& c : cases) {
        JudgeFixture f;
        f.config.gauge = c.gauge;
        f.config.replay = c.replay;
        f.config.style = c.style;
        f.chart->autoplayActive = c.autoplay;
        f.start();
        EXPECT_EQ(f.play->gauge, c.start) << "gauge " << int(c.gauge) << " style " << int(c.style);
    }
}

TEST(Gauge, SurvivalGaugeCarriesIntoLaterCourseStages) {
    JudgeFixture f;
    f.config.gauge = Survival;
    f.config.course = true;
    f.start();
    f.play->gauge = 42.0f;
    f.start(true);
    EXPECT_EQ(f.play->gauge, 42.0f);
    f.start(false);
    EXPECT_EQ(f.play->gauge, 100.0f);
}

struct ComboCase {
    ComboOption option;
    JudgementCode code;
    int comboAfter;  // from 5
};

TEST(Combo, ByJudgementAndComboOption) {
    const ComboCase cases[] = {
        {ComboOff, Cool, 0},   {ComboGreat, Cool, 6},  {ComboGood, Cool, 6},  {ComboCool2, Cool, 6},
        {ComboOff, Great, 0},  {ComboGreat, Great, 6}, {ComboGood, Great, 6}, {ComboCool2, Great, 5},
        {ComboOff, Good, 0},   {ComboGreat, Good, 0},  {ComboGood, Good, 6},  {ComboCool2, Good, 0},
        {ComboGreat, Break, 0}, {ComboGood, Break, 0},
    };
    const int distance[] = {0, 0, 6, 10, 20};
    for (const ComboCase& c : cases) {
        JudgeFixture f;
        f.config.combo = c.option;
        f.begin();
        f.play->combo = f.play->maxCombo = 5;
        f.place(0, distance[c.code]);
        f.pressLane(1);
        EXPECT_EQ(f.play->combo, c.comboAfter) << "option " << int(c.option) << " judgement " << int(c.code);
    }
}

TEST(Combo, LateMissResetsComboOnlyWhenItsNotePasses) {
    JudgeFixture f;
    f.begin();
    f.play->combo = 7;
    f.place(0, -40);  // past the line, outside every window
    f.pressLane(1);
    EXPECT_EQ(f.play->missCount, 1);
    EXPECT_EQ(f.play->combo, 7);
    const float gauge = f.play->gauge;
    PlayContext ctx = f.context();
    chargePassedNote(ctx);
    EXPECT_EQ(f.play->combo, 0);
    EXPECT_EQ(f.play->missCount, 1) << "the press already paid for the miss";
    EXPECT_EQ(f.play->gauge, gauge);
}

TEST(Misses, PressesOnEmptyLaneAbsorbLaterPassingNotes) {
    JudgeFixture f;
    f.begin();
    f.place(0, 300);  // far above: not judgeable, but in the lane
    f.pressLane(1);
    f.pressLane(1);
    EXPECT_EQ(f.play->missCount, 2);
    PlayContext ctx = f.context();
    chargePassedNote(ctx);
    chargePassedNote(ctx);
    EXPECT_EQ(f.play->missCount, 2);
    chargePassedNote(ctx);
    EXPECT_EQ(f.play->missCount, 3);
}

TEST(Misses, EmptyLaneHasNothingToMiss) {
    JudgeFixture f;
    f.begin();
    f.place(kObjectPoolSize - 1, 300, 2);  // deep in the pool, another lane
    f.pressLane(1);
    EXPECT_EQ(f.play->missCount, 0);
    f.place(kObjectPoolSize - 2, 300, 1);  // the whole pool counts
    f.pressLane(1);
    EXPECT_EQ(f.play->missCount, 1);
}

TEST(Options, IgnoreMissChargesNothing) {
    JudgeFixture f;
    f.config.igMiss = true;
    f.begin();
    f.place(0, 100);
    f.pressLane(1);
    f.place(1, 300, 2);
    f.pressLane(2);
    EXPECT_EQ(f.play->missCount, 0);
    EXPECT_EQ(f.play->gauge, 50.0f);
}

TEST(Options, IgnoreCoolTurnsCoolIntoGreat) {
    JudgeFixture f;
    f.config.igCool = true;
    f.begin();
    f.place(0, 0);
    f.pressLane(1);
    EXPECT_EQ(f.play->greatCount, 1);
    EXPECT_EQ(f.play->bonusScore, 1);
}

TEST(Options, CoolOnlyMakesEveryOtherPressAMiss) {
    JudgeFixture f;
    f.config.coolOnly = true;
    f.begin();
    PoolObject& note = f.place(0, 6);
    f.pressLane(1);
    EXPECT_EQ(f.play->missCount, 1);
    EXPECT_EQ(note.kind, kApproaching) << "the note stays";
}

TEST(BonusScore, ChordFactorByDistance) {
    const struct {
        int distance, factor;
    } cases[] = {{-1, 1}, {0, 1}, {1, 4}, {18, 4}, {19, 3}, {36, 3}, {37, 2}, {72, 2}, {73, 1}};
    for (const auto& c : cases) EXPECT_EQ(chordFactor(c.distance), c.factor) << c.distance;
}

TEST(BonusScore, CoolCountsTwiceTheChordFactor) {
    JudgeFixture f;
    f.begin();
    f.place(0, 0);
    f.place(1, 10, 3);  // 10 steps away in another lane: factor 4
    f.pressLane(1);
    EXPECT_EQ(f.play->bonusScore, 8);
}

TEST(Score, EachShareIsDividedSeparately) {
    Play p;
    p.coolCount = 1;
    p.greatCount = 1;
    p.goodCount = 1;
    p.breakCount = 1;
    EXPECT_EQ(computeScore(p, 3), 66666 + 33333 + 16666 + 8333);
    EXPECT_EQ(computeScore(p, 0), 0);
}

TEST(Score, LongChartsDoNotOverflow) {
    Play p;
    p.coolCount = 60000;  // 60000 x 200000 does not fit 32 bits
    EXPECT_EQ(computeScore(p, 60000), kMaxScore);
    p.coolCount = 30000;
    p.greatCount = 30000;
    EXPECT_EQ(computeScore(p, 60000), 150000);
}

TEST(Keysound, PressSoundsTheNoteItAimsAtOrTheOneBefore) {
    PlayFixture f;
    f.addNote(1, 1, 0, 21);
    f.addNote(1, 1, 100, 22);
    f.start();
    f.stepToCursor(100);  // before the first note's switch point (144)
    f.press(1);
    f.stepToCursor(150);  // past it
    f.press(1);
    f.stepToCursor(288);  // note 21 arrives; the switch moves to 338
    f.step();
    f.press(1);
    f.stepToCursor(340);
    f.press(1);
    std::vector<int> pressed;
    for (const SoundEvent& e : f.sound.events)
        if (e.kind == SoundEvent::Normal) pressed.push_back(e.sample);
    EXPECT_EQ(pressed, (std::vector<int>{21, 21, 22}));
}

TEST(Keysound, MissPitchPlaysLowAfterABadJudgement) {
    JudgeFixture f;
    f.config.missPitch = true;
    f.chart->playLanes[1].push(ChartObject{0, 0, 31, NoteKind::Normal});
    f.begin();
    f.play->lanes[1].switchPassed = true;
    f.place(0, 10);  // GOOD
    f.pressLane(1);
    f.place(1, 0);  // COOL
    f.pressLane(1);
    ASSERT_EQ(f.sound.events.size(), 2u);
    EXPECT_EQ(f.sound.events[0].kind, SoundEvent::Low);
    EXPECT_EQ(f.sound.events[1].kind, SoundEvent::Normal);
}

TEST(Controls, TurntableDirectionChangeIsANewPress) {
    JudgeFixture f;
    f.begin();
    PlayContext ctx = f.context();
    f.place(0, 0, 0);
    f.place(1, 1, 0);
    LaneControls controls{};
    controls[0] = 1;
    judgeKeys(ctx, controls);
    controls[0] = 2;
    judgeKeys(ctx, controls);
    judgeKeys(ctx, controls);  // held: no new press
    EXPECT_EQ(f.play->coolCount, 2);
}

TEST(Controls, AutoScratchLeavesTurntablesToTheGame) {
    JudgeFixture f;
    f.chart->autoScratch = 2;
    f.begin();
    f.place(0, 0, 0);
    f.place(1, 0, 8);
    f.pressLane(0);
    f.pressLane(8);
    EXPECT_EQ(f.play->coolCount, 0);
    EXPECT_EQ(f.play->missCount, 0);
}

TEST(Controls, NoJudgingAfterFailure) {
    JudgeFixture f;
    f.begin();
    f.play->cleared = -5;
    f.place(0, 0);
    f.pressLane(1);
    EXPECT_EQ(f.play->coolCount, 0);
}

}  // namespace
}  // namespace kv::test
