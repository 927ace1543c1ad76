#pragma once
// Replay files (".KRP" beside the chart): every press of a run, tied to
// the chart by its checksum byte. Every byte but the key and the closing
// sum is XOR-ed with a random key byte.
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "play/play_state.h"

namespace kv {

// The chart's replay file: its extension replaced by "KRP"; empty when the
// chart's extension does not begin with "B" (not a BMS chart).
std::filesystem::path replayPathFor(const std::filesystem::path& chartFile);

std::vector<std::uint8_t> encodeReplay(const ReplayRecord& record, std::uint8_t chartChecksum, std::uint8_t key);

// Fills the record only from a whole, undamaged file of this chart: the
// checksum byte, the lane counts (at most 2000 each), the length, every
// code (judgements 1-5, long-note releases 6) and the closing sum must all
// agree.
bool decodeReplay(std::span<const std::uint8_t> bytes, std::uint8_t chartChecksum, ReplayRecord& record);

bool loadReplay(const std::filesystem::path& file, std::uint8_t chartChecksum, ReplayRecord& record);

// Writes through a temporary file renamed into place, so a failed save
// never leaves a damaged replay behind.
bool saveReplay(const std::filesystem::path& file, std::uint8_t chartChecksum, const ReplayRecord& record,
                std::uint8_t key);

}  // namespace kv
