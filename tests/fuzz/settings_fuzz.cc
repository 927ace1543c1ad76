// libFuzzer target: arbitrary bytes as "KV2.CFG". Whatever the file held,
// the settings it gives must write out and read back unchanged.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "fuzz_input.h"
#include "platform/file_bytes.h"
#include "settings/settings_file.h"

namespace {

std::vector<std::uint8_t> savedBytes(const kv::Settings& settings, const std::filesystem::path& path) {
    std::vector<std::uint8_t> bytes;
    if (kv::saveSettings(settings, path) != 1 || !kv::platform::readFileBytes(path.string(), bytes)) std::abort();
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto input = kv::fuzz::writeInput("KV2.CFG", data, size);
    kv::Settings settings;
    if (kv::loadSettings(settings, input) != 1) std::abort();
    const auto saved = kv::fuzz::scratchFolder() / "saved.cfg";
    const std::vector<std::uint8_t> first = savedBytes(settings, saved);
    kv::Settings again;
    if (kv::loadSettings(again, saved) != 1 || savedBytes(again, saved) != first) std::abort();
    return 0;
}
