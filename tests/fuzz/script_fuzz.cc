// libFuzzer target: arbitrary bytes as a headless-run script file. A script
// that reads has its actions in time order, none after its end; one that
// does not names a line of the file.
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "fuzz_input.h"
#include "platform/script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto input = kv::fuzz::writeInput("f.txt", data, size);
    kv::platform::Script script;
    kv::platform::ScriptError error;
    if (!kv::platform::loadScript(input.string(), "/base", script, error)) {
        if (error.line < 1 || error.message.empty()) std::abort();
        return 0;
    }
    const auto byTime = [](const auto& a, const auto& b) { return a.at < b.at; };
    if (!std::is_sorted(script.actions.begin(), script.actions.end(), byTime)) std::abort();
    for (const auto& action : script.actions)
        if (action.at < 0 || action.at > script.end) std::abort();
    return 0;
}
