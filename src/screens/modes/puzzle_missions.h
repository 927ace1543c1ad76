#pragma once
// The 24 puzzle missions: one row of data per cell of the 3 x 8 grid (the
// cell's goal, the rule text the player reads, the options the rule forces
// and the gauge the play starts with), and the tests that decide a play
// under a mission.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace kv {

constexpr int kMissionColumns = 8, kMissionRows = 3;
constexpr int kMissionCount = kMissionColumns * kMissionRows;

// How a mission's goal is met; the limits come from the mission's row.
enum class MissionGoal : std::uint8_t {
    NoMiss,        // no miss at all
    FullCombo,     // one combo over every judged note
    ScoreAtMost,   // score <= high
    ScoreAtLeast,  // score >= low
    ScoreBetween,  // low <= score <= high
    GreatsAtLeastCools,
    ComboAtMost,   // maximum combo <= high
    CoolShare,     // cools >= notes x tenths / 10
    GoodShare,
    GreatShare,
    GaugeClear,    // the gauge alone decides
};

// An option the rule leaves to the player.
constexpr std::int8_t kNotForced = -1;

// The options a mission's rule puts in force for its play.
struct ForcedOptions {
    std::int8_t combo = kNotForced;
    std::int8_t gauge = kNotForced;
    std::int8_t style = kNotForced;
    std::int8_t tempo = kNotForced;
    std::int8_t view = kNotForced;
    std::int8_t speed = kNotForced;
};

struct Mission {
    const char* goalText;
    const char* ruleText;  // empty: the player's own options
    MissionGoal goal;
    std::int32_t low = 0, high = 0;  // score or combo limits; the share in tenths
    ForcedOptions forced{};
    std::optional<float> startGauge{};  // unset: the gauge's usual start
};

const std::array<Mission, kMissionCount>& missionTable();

// What a finished (or running) play has counted, as the tests read it.
struct MissionTallies {
    std::int32_t cools = 0, greats = 0, goods = 0, misses = 0;
    std::int32_t maxCombo = 0, score = 0;
    std::int32_t noteTotal = 0;
};

// The cell's grid text: the column's letter of "KELVARIN" and the row
// number, "K1" to "N3".
std::string missionCell(int mission);

// The final test, once the chart has ended.
bool missionGoalMet(int mission, const MissionTallies& tallies);
// The early test during the play: false once the goal can no longer be
// met, which ends the play as failed.
bool missionStillPossible(int mission, const MissionTallies& tallies);
// The gauge the play starts with, when the mission sets one.
std::optional<float> missionStartGauge(int mission);
// The goal as the play screen shows it: the share goals name the count of
// the chart's `noteTotal` notes that they ask for.
std::string missionBoardText(int mission, int noteTotal);

}  // namespace kv
