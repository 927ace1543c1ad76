// libFuzzer target: arbitrary bytes as a ranking block (a short input is
// padded the way an empty ranking reads), decoded against the checksum the
// first byte picks. A block that decodes must survive being written and
// read again.
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "screens/results/ranking_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::uint8_t checksum = data[0];
    kv::RankingBlock block = kv::emptyRankingBlock();
    std::copy_n(data + 1, std::min(size - 1, block.size()), block.begin());

    const kv::Ranking ranking = kv::decodeRanking(block, checksum);
    std::uint32_t state = std::uint32_t(size);
    const auto random = [&state] { return int((state = state * 214013u + 2531011u) >> 16 & 0x7FFF); };
    if (kv::decodeRanking(kv::encodeRanking(ranking, checksum, random), checksum) != ranking) std::abort();
    return 0;
}
