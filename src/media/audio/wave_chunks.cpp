#include "media/audio/wave_chunks.h"

#include <cstring>

#include "media/audio/sample_slots.h"

namespace kv {
namespace {

constexpr std::size_t kPcmFormatSize = 16;  // the fields every WAV format record has

std::uint32_t readLe32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}

bool hasTag(const std::uint8_t* p, const char* tag) { return std::memcmp(p, tag, 4) == 0; }

}  // namespace

int classifyUndecodableWave(std::span<const std::uint8_t> file) {
    if (file.size() < 12 || !hasTag(file.data(), "RIFF") || !hasTag(file.data() + 8, "WAVE")) return kSampleNotWave;
    bool hasFormat = false;
    bool formatWhole = false;
    bool hasData = false;
    // Walk the chunk headers by their sizes; tags are never searched for as
    // loose bytes, which would find them inside other chunks' contents.
    for (std::size_t at = 12; at + 8 <= file.size();) {
        const std::uint8_t* header = file.data() + at;
        const std::uint64_t size = readLe32(header + 4);
        if (hasTag(header, "fmt ") && !hasFormat) {
            hasFormat = true;
            formatWhole = size >= kPcmFormatSize && at + 8 + size <= file.size();
        } else if (hasTag(header, "data")) {
            hasData = true;
        }
        at += 8 + size + (size & 1);  // chunks are padded to even sizes
    }
    if (!hasFormat) return kSampleNoFormat;
    if (!formatWhole) return kSampleFormatShort;
    if (!hasData) return kSampleNoData;
    return kSampleNoBuffer;
}

}  // namespace kv
