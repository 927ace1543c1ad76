#pragma once
// A tiny chart whose only sounds are its notes' keysounds: four measures at
// 120 BPM, a note on every beat, moving across the five keys measure by
// measure, each note a short 1 kHz blip that dies away within 60 ms.
#include <filesystem>

namespace kv::test {

// Writes "blips.bms" and its "blip.wav" into `folder` (created when
// missing); returns the chart's path, or an empty path when writing failed.
std::filesystem::path writeBlipChart(const std::filesystem::path& folder);

}  // namespace kv::test
