#include "play/replay_file.h"

#include <cctype>
#include <memory>

#include "platform/atomic_file.h"
#include "platform/file_bytes.h"

namespace kv {
namespace {

constexpr std::size_t kHeaderSize = 2 + 2 * kLaneCount;
constexpr std::size_t kPressSize = 5;

void putWord(std::vector<std::uint8_t>& out, std::int16_t value, std::uint8_t key) {
    const auto word = std::uint16_t(value);
    out.push_back(std::uint8_t(word >> 8) ^ key);
    out.push_back(std::uint8_t(word & 0xFF) ^ key);
}

std::uint16_t wordAt(std::span<const std::uint8_t> bytes, std::size_t at, std::uint8_t key) {
    return std::uint16_t(((bytes[at] ^ key) << 8) | (bytes[at + 1] ^ key));
}

}  // namespace

std::filesystem::path replayPathFor(const std::filesystem::path& chartFile) {
    const std::string extension = chartFile.extension().string();
    if (extension.size() < 2 || std::toupper(static_cast<unsigned char>(extension[1])) != 'B') return {};
    std::filesystem::path replay = chartFile;
    return replay.replace_extension(".KRP");
}

std::vector<std::uint8_t> encodeReplay(const ReplayRecord& record, std::uint8_t chartChecksum, std::uint8_t key) {
    std::vector<std::uint8_t> out{std::uint8_t(chartChecksum ^ key), key};
    for (const auto& lane : record.lanes) putWord(out, std::int16_t(lane.size()), key);
    unsigned sum = 0;
    for (const auto& lane : record.lanes) {
        for (const ReplayPress& press : lane) {
            const std::size_t start = out.size();
            putWord(out, press.step, key);
            putWord(out, press.measure, key);
            out.push_back(std::uint8_t(press.code) ^ key);
            for (std::size_t i = start; i < out.size(); ++i) sum += out[i] ^ key;
        }
    }
    out.push_back(std::uint8_t(sum & 0xFF));
    return out;
}

bool decodeReplay(std::span<const std::uint8_t> bytes, std::uint8_t chartChecksum, ReplayRecord& record) {
    if (bytes.size() < kHeaderSize + 1) return false;
    const std::uint8_t key = bytes[1];
    if ((bytes[0] ^ key) != chartChecksum) return false;

    std::size_t total = 0;
    for (int lane = 0; lane < kLaneCount; ++lane) {
        const std::size_t count = wordAt(bytes, 2 + 2 * std::size_t(lane), key);
        if (count > kReplayLaneCapacity) return false;
        total += count;
    }
    if (bytes.size() != kHeaderSize + kPressSize * total + 1) return false;

    auto decoded = std::make_unique<ReplayRecord>();  // large: keep it off the stack
    unsigned sum = 0;
    std::size_t at = kHeaderSize;
    for (int lane = 0; lane < kLaneCount; ++lane) {
        const std::size_t count = wordAt(bytes, 2 + 2 * std::size_t(lane), key);
        for (std::size_t i = 0; i < count; ++i, at += kPressSize) {
            const ReplayPress press{std::int16_t(wordAt(bytes, at + 2, key)), std::int16_t(wordAt(bytes, at, key)),
                                    std::int16_t(bytes[at + 4] ^ key)};
            if (press.code < Cool || press.code > kReplayRelease) return false;
            for (std::size_t b = at; b < at + kPressSize; ++b) sum += bytes[b] ^ key;
            decoded->lanes[std::size_t(lane)].push(press);
        }
    }
    if (bytes[at] != std::uint8_t(sum & 0xFF)) return false;
    record = *decoded;
    return true;
}

bool loadReplay(const std::filesystem::path& file, std::uint8_t chartChecksum, ReplayRecord& record) {
    std::vector<std::uint8_t> bytes;
    return platform::readFileBytes(file.string(), bytes) && decodeReplay(bytes, chartChecksum, record);
}

bool saveReplay(const std::filesystem::path& file, std::uint8_t chartChecksum, const ReplayRecord& record,
                std::uint8_t key) {
    return platform::writeFileAtomically(file, encodeReplay(record, chartChecksum, key));
}

}  // namespace kv
