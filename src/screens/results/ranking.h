#pragma once
// The five-row ranking of a chart or a course and the rules for entering it.
#include <array>
#include <cstdint>

#include "settings/settings.h"

namespace kv {

constexpr int kRankingRows = 5;
constexpr int kPuzzleMissions = 24;

struct RankingEntry {
    std::array<char, kNameLength> name{' ', ' ', ' ', ' '};
    std::int32_t score = 0;  // 0 = empty row
    std::int32_t bonus = 0;
    std::int8_t grade = 0;
    std::int8_t keyMode = 0;
    std::int8_t style = 0;
    std::int8_t gauge = 0;
    std::int8_t line = 0;
    std::int8_t speed = 0;
    std::int8_t view = 0;
    std::int8_t object = 0;
    std::int32_t coolCount = 0;
    std::int32_t greatCount = 0;
    std::int32_t goodCount = 0;
    std::int32_t breakCount = 0;
    std::int32_t missCount = 0;

    bool empty() const { return score == 0; }
    bool operator==(const RankingEntry&) const = default;
};

struct Ranking {
    std::array<RankingEntry, kRankingRows> entries{};  // best first
    std::array<bool, kPuzzleMissions> puzzleLetters{};
    std::uint8_t carriedByte = 0xFF;  // first header byte, kept as read

    bool hasTopScore() const { return !entries[0].empty(); }
    bool operator==(const Ranking&) const = default;
};

// The row a score would take: the first row whose score is below it, or -1.
// An equal score does not displace a stored one.
int rankingPlace(const Ranking& ranking, std::int32_t score);
// Puts the entry at row `place`, moving the rows below down one and dropping the last.
void insertRankingEntry(Ranking& ranking, int place, const RankingEntry& entry);

// The settings that keep a run out of the ranking.
struct RankingRules {
    int ignoreMiss = 0;  // IGMISS
    int ignoreCool = 0;  // IGCOOL
    int autoplay = 0;    // AUTOPLAY: 2 = EFFECT plays the turntable itself
    int ranking = 1;     // RANKING: 0 = off
    int style = 0;       // STYLE: 4 = BONUS
    int level = 0;       // LEVEL: 0 = normal
    int object = 0;      // OBJECT: 11 = SYMMETRY
    int tempo = 0;       // TEMPO: 0 = normal
};

// Whether the options allow a ranked result at all; puzzles force their own tempo.
bool rulesAllowRanking(const RankingRules& rules, bool puzzle);

// The figures a run reports, checked for plausibility before they are stored.
struct RunTallies {
    std::int32_t coolCount = 0;
    std::int32_t greatCount = 0;
    std::int32_t goodCount = 0;
    std::int32_t breakCount = 0;
    std::int32_t missCount = 0;
    std::int32_t noteCount = 0;
    std::int32_t score = 0;
};

// The score the judgement rules give for these counts.
std::int32_t scoreFromCounts(const RunTallies& run);
// A run enters the ranking only when its figures could have come from real play.
bool runIsPlausible(const RunTallies& run);

}  // namespace kv
