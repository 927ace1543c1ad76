#include "chart/header_scan.h"

#include <array>
#include <cstring>
#include <vector>

#include "base/text.h"
#include "chart/data_line.h"
#include "chart/ranking_store.h"
#include "platform/file_bytes.h"
#include "platform/path_text.h"

namespace kv {

namespace {

constexpr int kChartSampleSlots = 576;

// What the object lines tell, gathered over the whole file.
struct ObjectFacts {
    std::array<bool, kChartSampleSlots> definedSample{};
    std::array<bool, 30> channelPresent{};
    bool changesTempo = false;
    bool longNoteChannels = false;  // channels 51-69 play keys 11-29 as long notes

    bool namesDefinedSample(const char* objects) const {
        const int n = pairCount(objects);
        for (int i = 0; i < n; ++i) {
            const int value = parseBase36Pair(objects + 2 * i);
            if (value >= 0 && value < kChartSampleSlots && definedSample[std::size_t(value)]) return true;
        }
        return false;
    }

    int keyType() const {
        const bool sevenKeys = channelPresent[18] || channelPresent[19];
        bool playerTwo = false;
        for (int channel = 21; channel <= 29; ++channel) playerTwo = playerTwo || channelPresent[std::size_t(channel)];
        return (sevenKeys ? 1 : 0) + (playerTwo ? 2 : 0);
    }
};

void resetEntry(ChartEntry& entry, const std::string& dirPath, const std::string& fileName) {
    entry = ChartEntry{};
    entry.dirPath = dirPath;
    entry.fileName = fileName;
}

bool isKeyChannel(int channel) { return (channel >= 11 && channel <= 19) || (channel >= 21 && channel <= 29); }

void scanDataLine(ChartEntry& entry, ObjectFacts& facts, const DataLine& data) {
    const int channel = data.channel;
    if (facts.longNoteChannels && isKeyChannel(channel - 40)) facts.channelPresent[std::size_t(channel - 40)] = true;
    if (isKeyChannel(channel)) {
        facts.channelPresent[std::size_t(channel)] = true;
        if (!entry.noteKeysounds && facts.namesDefinedSample(data.objects)) entry.noteKeysounds = 1;
    } else if (channel == 1) {
        if (!entry.bgmKeysounds && facts.namesDefinedSample(data.objects)) entry.bgmKeysounds = 1;
    } else if (channel == 4) {
        if (entry.bgaKind == 0) entry.bgaKind = 1;
    } else if (channel == 7) {
        entry.bgaKind = 2;
    } else if (channel == 3) {
        facts.changesTempo = true;
    }
}

bool hasIndex(const char* word, const char* command) {
    const std::size_t length = std::strlen(command);
    return std::strncmp(word, command, length) == 0 && word[length] != '\0';
}

void scanHeaderLine(ChartEntry& entry, ObjectFacts& facts, const char* line) {
    char word[kLineBufferSize];
    const char* argument = line + 1 + takeWord(line + 1, word);
    upcaseAscii(word);
    auto rest = [argument] {
        char text[kLineBufferSize];
        takeRest(argument, text);
        return std::string(text);
    };
    if (std::strcmp(word, "GENRE") == 0) entry.genre = rest();
    else if (std::strcmp(word, "TITLE") == 0) entry.title = rest();
    else if (std::strcmp(word, "ARTIST") == 0) entry.artist = rest();
    else if (std::strcmp(word, "STAGEFILE") == 0) entry.stageFile = rest();
    else if (std::strcmp(word, "PLAYLEVEL") == 0) entry.playLevel = std::int8_t(parseSignedInt(argument));
    else if (std::strcmp(word, "RANK") == 0) entry.judgeRank = std::int8_t(parseSignedInt(argument));
    else if (std::strcmp(word, "BPM") == 0) entry.bpm = float(parseDecimal(argument));
    else if (std::strcmp(word, "MIDIFILE") == 0) entry.hasMidi = 1;
    else if (hasIndex(word, "WAV")) {
        const int slot = parseBase36Pair(word + 3);
        if (slot < kChartSampleSlots) facts.definedSample[std::size_t(slot)] = true;
    } else if (hasIndex(word, "BMP")) {
        if (entry.bgaKind == 0) entry.bgaKind = 1;
    } else if (hasIndex(word, "BGA")) {
        entry.bgaKind = 3;
    }
}

// The replay and ranking files carry it to tell whether they belong to this
// chart text. Weights run 1, 3, ... 13, 1, ... straight across lines.
struct ChartChecksum {
    std::uint8_t value = 0;
    int weight = 1;

    void add(const char* line) {
        for (const char* p = line; *p != '\0'; ++p) {
            value = std::uint8_t(value + std::int8_t(*p) * weight);
            weight += 2;
            if (weight > 13) weight = 1;
        }
    }
};

// A replay belongs to this chart when its first two bytes XOR to the checksum.
bool replayMatches(const std::filesystem::path& chartFile, std::uint8_t checksum) {
    std::string path = chartFile.string();
    if (path.size() < 3) return false;
    path.replace(path.size() - 3, 3, "KRP");
    std::vector<std::uint8_t> head;
    return platform::readFilePrefix(path, 2, head) && head.size() == 2 && std::uint8_t(head[0] ^ head[1]) == checksum;
}

}  // namespace

int scanChartHeader(ChartEntry& entry, const std::string& dirPath, const std::string& fileName,
                    const RankingPlace& rankingPlace, bool longNoteChannels) {
    std::string bytes;
    if (!readFileText(platform::pathFromText(dirPath) / platform::pathFromText(fileName), bytes)) {
        resetEntry(entry, dirPath, fileName);
        return 0;
    }
    scanChartText(entry, dirPath, fileName, rankingPlace, bytes, longNoteChannels);
    return 1;
}

void scanChartText(ChartEntry& entry, const std::string& dirPath, const std::string& fileName,
                   const RankingPlace& rankingPlace, std::string_view bytes, bool longNoteChannels) {
    resetEntry(entry, dirPath, fileName);
    TextFile file;
    file.openBytes(bytes);

    ObjectFacts facts;
    facts.longNoteChannels = longNoteChannels;
    ChartChecksum checksum;
    bool more = true;
    // Unlike loading, the final line counts even without a line feed.
    while (more) {
        more = readChartLine(file);
        const char* line = file.lineBuffer;
        checksum.add(line);
        if (line[0] != '#') continue;
        if (const auto data = parseDataLine(line)) scanDataLine(entry, facts, *data);
        else scanHeaderLine(entry, facts, line);
    }

    if (facts.changesTempo) entry.bpm = -entry.bpm;
    entry.keyType = std::int8_t(facts.keyType());
    entry.checksum = checksum.value;
    entry.hasReplay = replayMatches(chartPath(entry), entry.checksum);
    if (const auto ranking = chartRankingPath(platform::pathFromText(dirPath), fileName, rankingPlace.rankingSetting,
                                               platform::pathFromText(rankingPlace.programFolder)))
        entry.rankingBlock = readRankingBlock(*ranking);
}

bool looksLikeChart(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return false;
    TextFile text;
    if (!text.open(file)) return false;
    bool more = true;
    while (more) {
        more = readChartLine(text);
        if (text.lineBuffer[0] == '#') return true;
    }
    return false;
}

}  // namespace kv
