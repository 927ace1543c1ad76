#pragma once
// The ranking block: the 186 bytes of a ".K2R" (chart) or ".k2r" (course)
// file, exactly as the header scan keeps them in `ChartEntry.rankingBlock`.
//
// Layout (K = a random key byte drawn for each write):
//   header, 11 bytes
//     0   carried over from the file that was read (0xFF in a new file)
//     1   puzzle letters of missions 16-23 ^ K (first mission in bit 7)
//     2   number of filled rows (0-5) ^ K
//     3   K
//     4   K ^ 0x37 when row 1 holds a score, K ^ 0x4D when the ranking is empty
//     5   puzzle letters of missions 8-15 ^ K
//     6   header check ^ K: plain bytes 1, 2, 5, 6 and 7 add up to 0x5A
//     7   puzzle letters of missions 0-7 ^ K
//     8   checksum of the chart (or of the course's charts) ^ K
//     9   K
//     10  K
//   five rows of 35 bytes, best first; a filled row (E = the row's own key):
//     0   E
//     1-33  E ^ plain byte, plain bytes in the order of kRowLayout below;
//           multi-byte fields little-endian: score and bonus keep their low
//           24 bits, each judgement count its low 16 bits
//     34  E again
//   where the plain byte of the check field makes bytes 0-33 add up to
//   0 modulo 256. An empty row is 35 bytes of 0xFF.
//
// A block that breaks any of these rules reads as an empty ranking.
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "chart/chart_entry.h"
#include "chart/ranking_store.h"
#include "screens/results/ranking.h"

namespace kv {

// Returns the next number of the game's random generator (0-32767).
using RandomSource = std::function<int()>;

RankingBlock encodeRanking(const Ranking& ranking, std::uint8_t checksum, const RandomSource& random);
// The stored ranking, or an empty one (carrying byte 0) when the block is
// damaged, empty or belongs to a chart with another checksum.
Ranking decodeRanking(const RankingBlock& block, std::uint8_t checksum);
// The ranking the select screen shows for a chart of the song table.
Ranking loadRankingForDisplay(const ChartEntry& entry);

}  // namespace kv
