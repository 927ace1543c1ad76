#include "platform/midi_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kv::platform {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes chunk(const std::string& id, Bytes data, std::uint32_t declaredSize) {
    Bytes out(id.begin(), id.end());
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(std::uint8_t(declaredSize >> shift));
    out.insert(out.end(), data.begin(), data.end());
    return out;
}
Bytes chunk(const std::string& id, const Bytes& data) { return chunk(id, data, std::uint32_t(data.size())); }

Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const Bytes kFields{0, 1, 0, 2, 0, 96};  // format 1, two tracks, 96 ticks a beat
const Bytes kHeader = chunk("MThd", kFields);
const Bytes kTrack = chunk("MTrk", {0x00, 0x90, 60, 100, 0x60, 0x80, 60, 0, 0x00, 0xFF, 0x2F, 0x00});
const Bytes kOtherTrack = chunk("MTrk", {0x00, 0xFF, 0x2F, 0x00});

TEST(MidiHeaderAndTracks, KeepsTheHeaderAndTracksOnly) {
    const struct {
        const char* what;
        Bytes file;
        Bytes kept;
    } cases[] = {
        {"a plain file", kHeader + kTrack + kOtherTrack, kHeader + kTrack + kOtherTrack},
        {"an unknown chunk between tracks", kHeader + kTrack + chunk("XFIH", {1, 2, 3}) + kOtherTrack,
         kHeader + kTrack + kOtherTrack},
        // Read as signed, this size walks a reader back onto the same bytes.
        {"an unknown chunk sized past 2 GB", kHeader + kTrack + chunk("junk", {0xFF, 0xFF, 0xFF, 0xFC}, 0xFFFFFFFC),
         kHeader + kTrack},
        {"a longer header", chunk("MThd", kFields + Bytes{7, 7}) + kTrack, kHeader + kTrack},
        {"a track running past the end", kHeader + chunk("MTrk", {0x00, 0xFF, 0x2F, 0x00}, 1000), kHeader + kOtherTrack},
        {"bytes after the last track too few for a chunk", kHeader + kTrack + Bytes{'M', 'T', 'r'}, kHeader + kTrack},
        {"no track", kHeader + chunk("XFIH", {1}), {}},
        {"a header cut short", chunk("MThd", {0, 1, 0, 2}), {}},
        {"a header sized past the end", chunk("MThd", kFields, 0x78000006) + kTrack, {}},
        {"no header", kTrack, {}},
        {"nothing", {}, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(midiHeaderAndTracks(c.file), c.kept) << c.what;
}

}  // namespace
}  // namespace kv::platform
