// libFuzzer target: arbitrary bytes as a ".KRP" replay file, read for the
// chart whose checksum its first two bytes name. The format has one way to
// write each record, so a file that reads must be exactly what writing its
// record gives; no other chart may take it.
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "fuzz_input.h"
#include "play/replay_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto input = kv::fuzz::writeInput("f.KRP", data, size);
    const std::uint8_t checksum = size >= 2 ? std::uint8_t(data[0] ^ data[1]) : 0;
    static auto record = std::make_unique<kv::ReplayRecord>();
    record->clear();
    if (!kv::loadReplay(input, checksum, *record)) return 0;
    const std::vector<std::uint8_t> written = kv::encodeReplay(*record, checksum, data[1]);
    if (written != std::vector<std::uint8_t>(data, data + size)) std::abort();
    if (kv::loadReplay(input, std::uint8_t(checksum + 1), *record)) std::abort();
    return 0;
}
