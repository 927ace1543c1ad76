#include "platform/midi_file.h"

#include <algorithm>
#include <cstddef>

namespace kv::platform {
namespace {

constexpr std::size_t kChunkHead = 8;    // four-letter id, 32-bit big-endian size
constexpr std::size_t kHeaderFields = 6;  // format, track count, division

std::uint32_t bigEndian32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | std::uint32_t(p[3]);
}

bool hasId(const std::uint8_t* chunk, const char* id) { return std::equal(id, id + 4, chunk); }

void appendChunk(std::vector<std::uint8_t>& out, const char* id, const std::uint8_t* data, std::size_t size) {
    out.insert(out.end(), id, id + 4);
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(std::uint8_t(size >> shift));
    out.insert(out.end(), data, data + size);
}

}  // namespace

std::vector<std::uint8_t> midiHeaderAndTracks(const std::vector<std::uint8_t>& file) {
    if (file.size() < kChunkHead + kHeaderFields || !hasId(file.data(), "MThd")) return {};
    const std::size_t headerSize = bigEndian32(&file[4]);
    if (headerSize < kHeaderFields || headerSize > file.size() - kChunkHead) return {};

    std::vector<std::uint8_t> kept;
    appendChunk(kept, "MThd", &file[kChunkHead], kHeaderFields);
    bool anyTrack = false;
    for (std::size_t at = kChunkHead + headerSize; file.size() - at >= kChunkHead;) {
        const std::uint8_t* chunk = &file[at];
        const std::size_t size = std::min<std::size_t>(bigEndian32(chunk + 4), file.size() - at - kChunkHead);
        if (hasId(chunk, "MTrk")) {
            appendChunk(kept, "MTrk", chunk + kChunkHead, size);
            anyTrack = true;
        }
        at += kChunkHead + size;
    }
    if (!anyTrack) return {};
    return kept;
}

}  // namespace kv::platform
