#include "screens/results/ranking_commit.h"

#include "platform/save_report.h"
namespace kv {

std::optional<RankingBlock> commitRanking(RankingUpdate& update, const ResultFlow& flow,
                                          const std::filesystem::path& path, std::uint8_t checksum,
                                          std::string& nameSetting, const RandomSource& random) {
    if (!update.write) return std::nullopt;
    if (update.place >= 0 && flow.nameAccepted) {
        update.ranking.entries[update.place].name = flow.name.name;
        rememberRankingName(nameSetting, flow.name);
    }
    const RankingBlock block = encodeRanking(update.ranking, checksum, random);
    if (!writeRankingBlock(path, block)) {
        platform::reportSaveFailure(path);
        return std::nullopt;
    }
    return block;
}

}  // namespace kv
