// The 24 puzzle missions, one table row each: the cell, the texts the
// player reads, the options in force during the play, the start gauge, and
// a play that meets the goal beside one that misses it.
#include "screens/modes/puzzle_missions.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "screens/modes/mission_options.h"

namespace kv {
namespace {

// The player's own options: none of them is what any mission forces.
Settings playerOptions() {
    Settings s;
    s.STYLE = 4;  // BONUS
    s.REPLAY = 1;
    s.GAUGE = 2;  // HIGHSC.
    s.COMBO = 3;  // COOL2
    s.SPEED = 5;
    s.VIEW = 2;   // SUDDEN
    s.TEMPO = 4;  // LOW2
    s.KEY = 3;
    return s;
}

// Options during the play; -1 = the player's own (BEMUSIC for the style).
struct InForce {
    int style = -1, gauge = -1, combo = -1, tempo = -1, view = -1, speed = -1;
};

// A clean run of 100 notes, which each case changes where it matters.
constexpr MissionTallies kClean{.cools = 100, .maxCombo = 100, .score = 200000, .noteTotal = 100};

MissionTallies with(MissionTallies t, auto change) {
    change(t);
    return t;
}

struct MissionCase {
    std::string cell, goal, rule;
    InForce options;
    std::optional<float> startGauge;
    MissionTallies meets;
    std::optional<MissionTallies> misses;  // none: the gauge alone decides
    bool missLostEarly = false;            // the miss ends the play before the chart's end
};

const MissionTallies kOneMiss = with(kClean, [](auto& t) { t.cools = 99, t.misses = 1, t.maxCombo = 99; });
const MissionTallies kComboBroken = with(kClean, [](auto& t) { t.cools = 90, t.goods = 10, t.maxCombo = 60; });
const MissionTallies kUnbroken = with(kClean, [](auto& t) { t.cools = 90, t.goods = 10, t.maxCombo = 100; });
const MissionTallies kAllMissed = {.misses = 100, .noteTotal = 100};
MissionTallies scored(int score) { return with(kClean, [&](auto& t) { t.score = score; }); }
// Share goals on 15 notes: 7, 8 and 6 tenths of 15 round down to 10, 12 and 9.
MissionTallies ofFifteen(int cools, int greats, int goods) {
    return {.cools = cools, .greats = greats, .goods = goods, .maxCombo = 15, .score = 150000, .noteTotal = 15};
}

const MissionCase kCases[] = {
    {"K1", "GET NO MISS", "", {}, {}, kClean, kOneMiss, true},
    {"E1", "GET FULL COMBO", "combo:GOOD", {.combo = 2}, {}, kUnbroken, kComboBroken, true},
    {"L1", "GET SCORE UNDER 100000", "gauge:SURVIVAL", {.gauge = 1}, 100.0f, scored(100000), scored(100001), true},
    {"V1", "GAUGE CLEAR", "style:WAVE", {.style = 3}, {}, kAllMissed, {}},
    {"A1", "GAUGE CLEAR", "style:SCAN2", {.style = 2}, {}, kAllMissed, {}},
    {"R1", "GAUGE CLEAR", "style:UPWAY", {.style = 1}, {}, kAllMissed, {}},
    {"I1", "GET SCORE OVER 100000 UNDER 110000", "gauge:SURVIVAL  tempo:SLOW 1", {.gauge = 1, .tempo = 3}, 100.0f,
     scored(110000), scored(110001), true},
    {"N1", "GET COOL OVER 70 PERCENT", "", {}, {}, ofFifteen(10, 5, 0), ofFifteen(9, 6, 0)},
    {"K2", "GET NO MISS", "view:HIDDEN", {.view = 1}, {}, kClean, kOneMiss, true},
    {"E2", "GET FULL COMBO", "combo:GOOD  speed:0.5", {.combo = 2, .speed = 0}, {}, kUnbroken, kComboBroken, true},
    {"L2", "GET GREAT OVER COOL", "gauge:GROOVE", {.gauge = 0}, 9.0f, ofFifteen(7, 7, 1), ofFifteen(8, 7, 0), true},
    {"V2", "GET SCORE OVER 120000", "style:WAVE", {.style = 3}, {}, scored(120000), scored(119999)},
    {"A2", "GET SCORE OVER 100000", "style:SCAN2", {.style = 2}, {}, scored(100000), scored(99999)},
    {"R2", "GET SCORE OVER 140000", "style:UPWAY", {.style = 1}, {}, scored(140000), scored(139999)},
    {"I2", "GAUGE CLEAR", "gauge:GROOVE  tempo:FAST 1", {.gauge = 0, .tempo = 1}, 9.0f, kAllMissed, {}},
    {"N2", "GET GOOD OVER 80 PERCENT", "", {}, {}, ofFifteen(0, 3, 12), ofFifteen(0, 4, 11)},
    {"K3", "GET NO MISS", "view:MIDDLE", {.view = 4}, {}, kClean, kOneMiss, true},
    {"E3", "GET FULL COMBO", "combo:GOOD  speed:12", {.combo = 2, .speed = 14}, {}, kUnbroken, kComboBroken, true},
    {"L3", "NO OVER 5 COMBO", "gauge:GROOVE  combo:GREAT", {.gauge = 0, .combo = 1}, 9.0f,
     with(kClean, [](auto& t) { t.maxCombo = 5; }), with(kClean, [](auto& t) { t.maxCombo = 6; }), true},
    {"V3", "GET NO MISS", "style:WAVE", {.style = 3}, {}, kClean, kOneMiss, true},
    {"A3", "GET NO MISS", "style:SCAN2", {.style = 2}, {}, kClean, kOneMiss, true},
    {"R3", "GET NO MISS", "style:UPWAY", {.style = 1}, {}, kClean, kOneMiss, true},
    {"I3", "GAUGE CLEAR", "gauge:GROOVE  tempo:FAST 2", {.gauge = 0, .tempo = 2}, 9.0f, kAllMissed, {}},
    {"N3", "GET GREAT OVER 60 PERCENT", "", {}, {}, ofFifteen(6, 9, 0), ofFifteen(7, 8, 0)},
};
static_assert(std::size(kCases) == kMissionCount);

int orPlayers(int forced, int players) { return forced >= 0 ? forced : players; }

TEST(PuzzleMissions, EveryMissionHasItsCellTextsOptionsGaugeAndGoal) {
    for (int mission = 0; mission < kMissionCount; ++mission) {
        const MissionCase& c = kCases[mission];
        SCOPED_TRACE(c.cell);
        const Mission& row = missionTable()[std::size_t(mission)];
        EXPECT_EQ(missionCell(mission), c.cell);
        EXPECT_STREQ(row.goalText, c.goal.c_str());
        EXPECT_STREQ(row.ruleText, c.rule.c_str());

        const Settings player = playerOptions();
        Settings s = player;
        forceMissionOptions(s, mission);
        EXPECT_EQ(s.STYLE, orPlayers(c.options.style, 0));  // no BONUS in a puzzle
        EXPECT_EQ(s.REPLAY, 0);
        EXPECT_EQ(s.GAUGE, orPlayers(c.options.gauge, player.GAUGE));
        EXPECT_EQ(s.COMBO, orPlayers(c.options.combo, player.COMBO));
        EXPECT_EQ(s.TEMPO, orPlayers(c.options.tempo, player.TEMPO));
        EXPECT_EQ(s.VIEW, orPlayers(c.options.view, player.VIEW));
        EXPECT_EQ(s.SPEED, orPlayers(c.options.speed, player.SPEED));
        EXPECT_EQ(s.KEY, player.KEY);

        EXPECT_EQ(missionStartGauge(mission), c.startGauge);

        EXPECT_TRUE(missionGoalMet(mission, c.meets));
        EXPECT_TRUE(missionStillPossible(mission, c.meets));
        if (c.misses) {
            EXPECT_FALSE(missionGoalMet(mission, *c.misses));
            EXPECT_EQ(missionStillPossible(mission, *c.misses), !c.missLostEarly);
        } else {
            EXPECT_TRUE(missionStillPossible(mission, kAllMissed));
        }
    }
}

TEST(PuzzleMissions, PlayerOptionsComeBackWhateverTheMissionForced) {
    const Settings player = playerOptions();
    for (int mission = 0; mission < kMissionCount; ++mission) {
        Settings s = player;
        const PlayerOptions saved = savePlayerOptions(s);
        forceMissionOptions(s, mission);
        restorePlayerOptions(s, saved);
        EXPECT_TRUE(savePlayerOptions(s) == savePlayerOptions(player)) << missionCell(mission);
    }
}

TEST(PuzzleMissions, ScoreWindowIsLostEarlyOnlyFromAbove) {
    constexpr int kWindow = 6;  // I1
    EXPECT_TRUE(missionStillPossible(kWindow, scored(50000)));  // may still climb into it
    EXPECT_FALSE(missionGoalMet(kWindow, scored(99999)));
    EXPECT_TRUE(missionGoalMet(kWindow, scored(100000)));
    EXPECT_FALSE(missionStillPossible(kWindow, scored(110001)));
}

TEST(PuzzleMissions, BoardNamesTheCountAShareGoalAsksFor) {
    EXPECT_EQ(missionBoardText(7, 15), "GET COOL OVER 10");
    EXPECT_EQ(missionBoardText(15, 15), "GET GOOD OVER 12");
    EXPECT_EQ(missionBoardText(23, 15), "GET GREAT OVER 9");
    EXPECT_EQ(missionBoardText(7, 0), "GET COOL OVER 0");
    for (int mission = 0; mission < kMissionCount; ++mission)
        if (mission != 7 && mission != 15 && mission != 23)
            EXPECT_EQ(missionBoardText(mission, 15), kCases[mission].goal) << missionCell(mission);
}

TEST(PuzzleMissions, CellsOutsideTheGridAreNoMission) {
    EXPECT_EQ(missionCell(-1), "");
    EXPECT_EQ(missionCell(kMissionCount), "");
    EXPECT_FALSE(missionGoalMet(kMissionCount, kClean));
    EXPECT_EQ(missionStartGauge(-1), std::nullopt);
}

}  // namespace
}  // namespace kv
