#pragma once
// Storing a ranking as a result screen is left: the typed name goes into
// the run's row, the NAME setting may take it, and the file is replaced whole.
#include <filesystem>
#include <optional>
#include <string>

#include "screens/results/ranking_file.h"
#include "screens/results/ranking_update.h"
#include "screens/results/result_flow.h"

namespace kv {

// The block now in the file, or nothing when the update writes nothing or
// the file could not be replaced (the old one then stays).
std::optional<RankingBlock> commitRanking(RankingUpdate& update, const ResultFlow& flow,
                                          const std::filesystem::path& path, std::uint8_t checksum,
                                          std::string& nameSetting, const RandomSource& random);

}  // namespace kv
