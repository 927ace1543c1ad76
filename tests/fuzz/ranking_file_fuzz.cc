// libFuzzer target: arbitrary bytes as a chart's ".K2R" ranking file, read
// from disk and decoded for the chart whose checksum the file names (so the
// fuzzer need not guess it). A ranking that decodes must survive being
// written and read again.
#include <cstdint>
#include <cstdlib>

#include "chart/ranking_store.h"
#include "fuzz_input.h"
#include "screens/results/ranking_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto input = kv::fuzz::writeInput("f.K2R", data, size);
    const kv::RankingBlock block = kv::readRankingBlock(input);
    if (size < block.size() && block != kv::emptyRankingBlock()) std::abort();
    const std::uint8_t checksum = block[8] ^ block[3];
    const kv::Ranking ranking = kv::decodeRanking(block, checksum);
    if (!kv::writeRankingBlock(input, kv::encodeRanking(ranking, checksum, kv::fuzz::Lcg{std::uint32_t(size)})))
        std::abort();
    if (kv::decodeRanking(kv::readRankingBlock(input), checksum) != ranking) std::abort();
    return 0;
}
