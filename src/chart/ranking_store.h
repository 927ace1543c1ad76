#pragma once
// Where a chart's or a course's ranking file lies, and its raw bytes. The
// header scan keeps the block of every chart; the result screens decode and
// encode it (screens/results/ranking_file.h).
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "chart/chart_entry.h"

namespace kv {

// The block size is the one `ChartEntry.rankingBlock` holds.
using RankingBlock = std::array<std::uint8_t, kRankingBlockSize>;

// The block of a chart or course that has no ranking file: all 0xFF.
constexpr RankingBlock emptyRankingBlock() { return ChartEntry::filledRankingBlock(); }

// RANKING setting values that decide where a chart's file lies.
constexpr int kRankingOff = 0;
constexpr int kRankingBesideChart = 1;
constexpr int kRankingInProgramFolder = 2;  // KVFOLDER

// A chart's ranking file: its path with the extension replaced by "K2R", or,
// with KVFOLDER, the file name alone in the program folder. Only charts whose
// three-letter extension begins with "B" have one.
std::optional<std::filesystem::path> chartRankingPath(const std::filesystem::path& chartDir,
                                                      const std::string& fileName, int rankingSetting,
                                                      const std::filesystem::path& programFolder);
// A stored course's ranking file; hand-picked and random courses (negative numbers) have none.
std::optional<std::filesystem::path> courseRankingPath(const std::filesystem::path& programFolder,
                                                       const std::string& courseName, int courseNumber);

// The first 186 bytes of a ranking file; a missing or short file gives the empty block.
RankingBlock readRankingBlock(const std::filesystem::path& path);
// Replaces the file as a whole; a failure leaves the previous file untouched.
bool writeRankingBlock(const std::filesystem::path& path, const RankingBlock& block);

}  // namespace kv
