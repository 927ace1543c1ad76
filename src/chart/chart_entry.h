#pragma once
// One chart of the song table, as the header scan fills it and the select
// screen lists it. The loader takes the chart's header values from here.
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/path_text.h"

namespace kv {

constexpr int kRankingBlockSize = 186;

struct ChartEntry {
    std::string fileName;  // with its extension
    std::string dirPath;   // the song directory, no trailing separator
    std::string genre;     // texts are bytes in the chart's own code page
    std::string title;
    std::string artist;
    std::string stageFile;
    std::int8_t playLevel = 3;
    std::int8_t judgeRank = 2;
    std::int8_t hasMidi = 0;
    std::int8_t bgmKeysounds = 0;   // channel 01 uses defined samples
    std::int8_t noteKeysounds = 0;  // key channels use defined samples
    std::int8_t bgaKind = 0;        // 0 none, 1 bitmaps/channel 04, 2 layer channel 07, 3 #BGA definitions
    std::int8_t keyType = 0;        // 0 = 5 keys, 1 = 7 keys, 2 = 10 keys, 3 = 14 keys
    std::int8_t hasReplay = 0;
    float bpm = 130.0f;             // negative when the chart changes tempo during play
    std::uint8_t checksum = 0;
    std::array<std::uint8_t, kRankingBlockSize> rankingBlock = filledRankingBlock();

    static constexpr std::array<std::uint8_t, kRankingBlockSize> filledRankingBlock() {
        std::array<std::uint8_t, kRankingBlockSize> block{};
        block.fill(0xFF);
        return block;
    }
};

// The chart file of an entry.
inline std::filesystem::path chartPath(const ChartEntry& entry) {
    return platform::pathFromText(entry.dirPath) / platform::pathFromText(entry.fileName);
}

}  // namespace kv
