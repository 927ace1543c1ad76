#include "screens/modes/puzzle_missions.h"

#include <cstdio>

namespace kv {

namespace {

using G = MissionGoal;

constexpr std::int8_t kComboGreat = 1, kComboGood = 2;
constexpr std::int8_t kGroove = 0, kSurvival = 1;
constexpr std::int8_t kUpway = 1, kScan2 = 2, kWave = 3;
constexpr std::int8_t kFast1 = 1, kFast2 = 2, kSlow1 = 3;
constexpr std::int8_t kHidden = 1, kMiddle = 4;
// "speed:12" reads as the X12 multiplier, so that is what the play gets.
constexpr std::int8_t kSpeedHalf = 0, kSpeedX12 = 14;
constexpr float kFullGauge = 100.0f, kGrooveStart = 9.0f;

const std::array<Mission, kMissionCount> kMissions{{
    // Row 1.
    {"GET NO MISS", "", G::NoMiss},
    {"GET FULL COMBO", "combo:GOOD", G::FullCombo, 0, 0, {.combo = kComboGood}},
    {"GET SCORE UNDER 100000", "gauge:SURVIVAL", G::ScoreAtMost, 0, 100000, {.gauge = kSurvival}, kFullGauge},
    {"GAUGE CLEAR", "style:WAVE", G::GaugeClear, 0, 0, {.style = kWave}},
    {"GAUGE CLEAR", "style:SCAN2", G::GaugeClear, 0, 0, {.style = kScan2}},
    {"GAUGE CLEAR", "style:UPWAY", G::GaugeClear, 0, 0, {.style = kUpway}},
    {"GET SCORE OVER 100000 UNDER 110000", "gauge:SURVIVAL  tempo:SLOW 1", G::ScoreBetween, 100000, 110000,
     {.gauge = kSurvival, .tempo = kSlow1}, kFullGauge},
    {"GET COOL OVER 70 PERCENT", "", G::CoolShare, 7},
    // Row 2.
    {"GET NO MISS", "view:HIDDEN", G::NoMiss, 0, 0, {.view = kHidden}},
    {"GET FULL COMBO", "combo:GOOD  speed:0.5", G::FullCombo, 0, 0, {.combo = kComboGood, .speed = kSpeedHalf}},
    {"GET GREAT OVER COOL", "gauge:GROOVE", G::GreatsAtLeastCools, 0, 0, {.gauge = kGroove}, kGrooveStart},
    {"GET SCORE OVER 120000", "style:WAVE", G::ScoreAtLeast, 120000, 0, {.style = kWave}},
    {"GET SCORE OVER 100000", "style:SCAN2", G::ScoreAtLeast, 100000, 0, {.style = kScan2}},
    {"GET SCORE OVER 140000", "style:UPWAY", G::ScoreAtLeast, 140000, 0, {.style = kUpway}},
    {"GAUGE CLEAR", "gauge:GROOVE  tempo:FAST 1", G::GaugeClear, 0, 0, {.gauge = kGroove, .tempo = kFast1},
     kGrooveStart},
    {"GET GOOD OVER 80 PERCENT", "", G::GoodShare, 8},
    // Row 3.
    {"GET NO MISS", "view:MIDDLE", G::NoMiss, 0, 0, {.view = kMiddle}},
    {"GET FULL COMBO", "combo:GOOD  speed:12", G::FullCombo, 0, 0, {.combo = kComboGood, .speed = kSpeedX12}},
    {"NO OVER 5 COMBO", "gauge:GROOVE  combo:GREAT", G::ComboAtMost, 0, 5, {.combo = kComboGreat, .gauge = kGroove},
     kGrooveStart},
    {"GET NO MISS", "style:WAVE", G::NoMiss, 0, 0, {.style = kWave}},
    {"GET NO MISS", "style:SCAN2", G::NoMiss, 0, 0, {.style = kScan2}},
    {"GET NO MISS", "style:UPWAY", G::NoMiss, 0, 0, {.style = kUpway}},
    {"GAUGE CLEAR", "gauge:GROOVE  tempo:FAST 2", G::GaugeClear, 0, 0, {.gauge = kGroove, .tempo = kFast2},
     kGrooveStart},
    {"GET GREAT OVER 60 PERCENT", "", G::GreatShare, 6},
}};

bool validMission(int mission) { return mission >= 0 && mission < kMissionCount; }

// The count a share goal asks for: that many tenths of the chart's notes.
std::int32_t shareCount(const Mission& row, std::int32_t noteTotal) { return noteTotal * row.low / 10; }

}  // namespace

const std::array<Mission, kMissionCount>& missionTable() { return kMissions; }

std::string missionCell(int mission) {
    if (!validMission(mission)) return "";
    static constexpr const char* kLetters = "KELVARIN";
    return {kLetters[mission % kMissionColumns], char('1' + mission / kMissionColumns)};
}

bool missionGoalMet(int mission, const MissionTallies& t) {
    if (!validMission(mission)) return false;
    const Mission& row = kMissions[std::size_t(mission)];
    switch (row.goal) {
        case G::NoMiss: return t.misses == 0;
        case G::FullCombo: return t.maxCombo >= t.cools + t.greats + t.goods;
        case G::ScoreAtMost: return t.score <= row.high;
        case G::ScoreAtLeast: return t.score >= row.low;
        case G::ScoreBetween: return t.score >= row.low && t.score <= row.high;
        case G::GreatsAtLeastCools: return t.cools <= t.greats;
        case G::ComboAtMost: return t.maxCombo <= row.high;
        case G::CoolShare: return t.cools >= shareCount(row, t.noteTotal);
        case G::GoodShare: return t.goods >= shareCount(row, t.noteTotal);
        case G::GreatShare: return t.greats >= shareCount(row, t.noteTotal);
        case G::GaugeClear: return true;
    }
    return false;
}

bool missionStillPossible(int mission, const MissionTallies& t) {
    if (!validMission(mission)) return true;
    const Mission& row = kMissions[std::size_t(mission)];
    switch (row.goal) {
        // Goals that a limit from above breaks are lost the moment it is passed.
        case G::NoMiss:
        case G::FullCombo:
        case G::ScoreAtMost:
        case G::GreatsAtLeastCools:
        case G::ComboAtMost: return missionGoalMet(mission, t);
        case G::ScoreBetween: return t.score <= row.high;
        default: return true;
    }
}

std::optional<float> missionStartGauge(int mission) {
    return validMission(mission) ? kMissions[std::size_t(mission)].startGauge : std::nullopt;
}

std::string missionBoardText(int mission, int noteTotal) {
    if (!validMission(mission)) return "";
    const Mission& row = kMissions[std::size_t(mission)];
    const char* judgement = row.goal == G::CoolShare ? "COOL" : row.goal == G::GoodShare ? "GOOD"
                          : row.goal == G::GreatShare ? "GREAT" : nullptr;
    if (!judgement) return row.goalText;
    char text[40];
    std::snprintf(text, sizeof text, "GET %s OVER %d", judgement, shareCount(row, noteTotal));
    return text;
}

}  // namespace kv
