// libFuzzer target: arbitrary bytes as "KV2OPT.DAT". The presets it gives
// must survive being saved and read again.
#include <cstdint>
#include <cstdlib>

#include "fuzz_input.h"
#include "screens/select/option_presets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto input = kv::fuzz::writeInput(kv::kPresetFileName, data, size);
    kv::OptionPresets presets;
    kv::loadPresetFile(presets, input);
    if (!kv::savePresetFile(presets, input)) std::abort();
    kv::OptionPresets again;
    kv::loadPresetFile(again, input);
    if (again != presets) std::abort();
    return 0;
}
