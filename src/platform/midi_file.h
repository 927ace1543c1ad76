#pragma once
// The parts of a Standard MIDI File a player needs, checked before the
// synthesizer's own reader sees them.
#include <cstdint>
#include <vector>

namespace kv::platform {

// The file's header and its track chunks, in order: any other chunk is left
// out and a track that runs past the end of the file is cut there. Empty
// when the file has no whole header or no track.
std::vector<std::uint8_t> midiHeaderAndTracks(const std::vector<std::uint8_t>& file);

}  // namespace kv::platform
