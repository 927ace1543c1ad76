#pragma once
// Tells why a file the decoder refused is not a playable WAV, in the codes
// loadSample reports.
#include <cstdint>
#include <span>

namespace kv {

// 2 no RIFF "WAVE" form, 3 no "fmt " chunk, 4 a "fmt " chunk too short or
// cut off, 5 no "data" chunk, 7 a well-formed WAV whose sound data the
// decoder cannot turn into samples (an unknown encoding).
int classifyUndecodableWave(std::span<const std::uint8_t> file);

}  // namespace kv
