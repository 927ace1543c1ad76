#pragma once
// A chart's ranking as the song list reads it back: the header scan of the
// chart picks up its ranking file, which is then decoded.
#include <filesystem>

#include "screens/results/ranking.h"

namespace kv::test {

// The ranking stored beside `chart` (an empty one when there is none or it
// is damaged).
Ranking storedRanking(const std::filesystem::path& chart);
// The same with RANKING KVFOLDER: the file lies in the program folder.
Ranking storedRankingInProgramFolder(const std::filesystem::path& chart, const std::filesystem::path& programFolder);

}  // namespace kv::test
