#include "screens/modes/course_file.h"

#include <bit>
#include <cstring>

#include "media/gfx/byte_reader.h"
#include "platform/atomic_file.h"
#include "platform/file_bytes.h"

namespace kv {

namespace {

constexpr std::size_t kHeadSize = 224;
constexpr std::size_t kLengthsSize = 24;
constexpr std::size_t kTextCount = 6;
constexpr std::size_t kBlankedRankingBytes = 80;  // a stored course carries no chart rankings
constexpr std::size_t kLargestCourseFile = 1 << 20;  // far above five stages of real texts

constexpr std::size_t kFlagsAt = 24, kBpmAt = 32, kChecksumAt = 36, kRankingAt = 37;

std::array<std::string*, kTextCount> textsOf(ChartEntry& entry) {
    return {&entry.fileName, &entry.dirPath, &entry.genre, &entry.title, &entry.artist, &entry.stageFile};
}

std::array<std::int8_t*, 8> flagsOf(ChartEntry& entry) {
    return {&entry.playLevel, &entry.judgeRank, &entry.hasMidi, &entry.bgmKeysounds,
            &entry.noteKeysounds, &entry.bgaKind, &entry.keyType, &entry.hasReplay};
}

void putLe(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out.push_back(std::uint8_t(value >> (8 * i)));
}

void encodeStage(ChartEntry stage, std::vector<std::uint8_t>& out) {
    const std::size_t start = out.size();
    out.resize(start + kHeadSize, 0);
    std::uint8_t* head = out.data() + start;
    const auto flags = flagsOf(stage);
    for (std::size_t i = 0; i < flags.size(); ++i) head[kFlagsAt + i] = std::uint8_t(*flags[i]);
    const std::uint32_t bpmBits = std::bit_cast<std::uint32_t>(stage.bpm);
    for (int i = 0; i < 4; ++i) head[kBpmAt + i] = std::uint8_t(bpmBits >> (8 * i));
    head[kChecksumAt] = stage.checksum;
    std::fill_n(stage.rankingBlock.begin(), kBlankedRankingBytes, 0);
    std::memcpy(head + kRankingAt, stage.rankingBlock.data(), stage.rankingBlock.size());
    const auto texts = textsOf(stage);
    for (const std::string* text : texts) putLe(out, std::uint32_t(text->size() + 1));
    for (const std::string* text : texts) {
        out.insert(out.end(), text->begin(), text->end());
        out.push_back(0);
    }
}

// Reads one stage block at `at` and moves `at` past it; false when the bytes break the layout.
bool decodeStage(Bytes bytes, std::size_t& at, ChartEntry& stage) {
    if (!fits(bytes, at, kHeadSize + kLengthsSize)) return false;
    const std::uint8_t* head = bytes.data() + at;
    const auto flags = flagsOf(stage);
    for (std::size_t i = 0; i < flags.size(); ++i) *flags[i] = std::int8_t(head[kFlagsAt + i]);
    stage.bpm = std::bit_cast<float>(readLe(bytes, at + kBpmAt, 4));
    stage.checksum = head[kChecksumAt];
    std::memcpy(stage.rankingBlock.data(), head + kRankingAt, stage.rankingBlock.size());

    std::array<std::size_t, kTextCount> lengths{};
    for (std::size_t i = 0; i < kTextCount; ++i) {
        lengths[i] = readLe(bytes, at + kHeadSize + 4 * i, 4);  // a negative one is huge here
        if (lengths[i] == 0) return false;
    }
    at += kHeadSize + kLengthsSize;
    const auto texts = textsOf(stage);
    for (std::size_t i = 0; i < kTextCount; ++i) {
        if (!fits(bytes, at, lengths[i]) || bytes[at + lengths[i] - 1] != 0) return false;
        const char* text = reinterpret_cast<const char*>(bytes.data() + at);
        texts[i]->assign(text, strnlen(text, lengths[i]));
        at += lengths[i];
    }
    return true;
}

}  // namespace

std::vector<std::uint8_t> encodeCourseFile(const CourseStages& stages) {
    std::vector<std::uint8_t> bytes;
    for (const ChartEntry& stage : stages) encodeStage(stage, bytes);
    return bytes;
}

std::optional<CourseStages> decodeCourseFile(std::span<const std::uint8_t> bytes) {
    CourseStages stages;
    std::size_t at = 0;
    for (ChartEntry& stage : stages)
        if (!decodeStage(bytes, at, stage)) return std::nullopt;
    return stages;
}

bool writeCourseFile(const std::filesystem::path& path, const CourseStages& stages) {
    return platform::writeFileAtomically(path, encodeCourseFile(stages));
}

std::optional<CourseStages> readCourseFile(const std::filesystem::path& path) {
    std::vector<std::uint8_t> bytes;
    if (!platform::readFilePrefix(path.string(), kLargestCourseFile + 1, bytes) || bytes.size() > kLargestCourseFile)
        return std::nullopt;
    return decodeCourseFile(bytes);
}

}  // namespace kv
