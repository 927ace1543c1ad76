#include "chart/ranking_store.h"

#include <algorithm>
#include <vector>

#include "platform/atomic_file.h"
#include "platform/file_bytes.h"
#include "platform/path_text.h"

namespace kv {

std::optional<std::filesystem::path> chartRankingPath(const std::filesystem::path& chartDir,
                                                      const std::string& fileName, int rankingSetting,
                                                      const std::filesystem::path& programFolder) {
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string::npos || fileName.size() - dot != 4 || (fileName[dot + 1] != 'B' && fileName[dot + 1] != 'b'))
        return std::nullopt;
    const std::string rankingName = fileName.substr(0, dot + 1) + "K2R";
    return (rankingSetting == kRankingInProgramFolder ? programFolder : chartDir) / platform::pathFromText(rankingName);
}

std::optional<std::filesystem::path> courseRankingPath(const std::filesystem::path& programFolder,
                                                       const std::string& courseName, int courseNumber) {
    if (courseNumber < 0 || courseName.empty()) return std::nullopt;
    return programFolder / "course" / platform::pathFromText(courseName + ".k2r");
}

RankingBlock readRankingBlock(const std::filesystem::path& path) {
    RankingBlock block = emptyRankingBlock();
    std::vector<std::uint8_t> bytes;
    if (platform::readFilePrefix(path.string(), block.size(), bytes) && bytes.size() == block.size())
        std::copy(bytes.begin(), bytes.end(), block.begin());
    return block;
}

bool writeRankingBlock(const std::filesystem::path& path, const RankingBlock& block) {
    return platform::writeFileAtomically(path, block);
}

}  // namespace kv
