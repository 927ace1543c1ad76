#pragma once
// Lists a chart without loading it: one pass over the file fills its song
// table entry with the header values, the key type, tempo-change and
// keysound facts, the checksum, the replay check and the stored ranking.
#include <filesystem>
#include <string>

#include "chart/chart_entry.h"

namespace kv {

// Where the chart's ranking file lies: the RANKING setting and the program folder.
struct RankingPlace {
    int rankingSetting = 1;
    std::string programFolder;
};

// Returns 1 when the file was read, 0 when it could not be opened. Every
// field is reset first, so a chart that cannot be read never shows what the
// entry held before. With longNoteChannels (LONGNOTES on) the long-note
// channels count towards the key type.
int scanChartHeader(ChartEntry& entry, const std::string& dirPath, const std::string& fileName,
                    const RankingPlace& rankingPlace, bool longNoteChannels = false);

// True for a file that can be read and has at least one line starting
// with "#"; a folder, or any other file, is no chart to play on its own.
bool looksLikeChart(const std::filesystem::path& file);

}  // namespace kv
