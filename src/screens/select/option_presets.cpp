#include "screens/select/option_presets.h"

#include <vector>

#include "platform/atomic_file.h"
#include "platform/file_bytes.h"
#include "screens/select/option_panel.h"

namespace kv {

namespace {

constexpr std::uint8_t kPresetFileMark = 9;
constexpr int kPresetPages = 4;

// Calls visit(index, line) for the 25 preset options in file order: the
// lines of the first four panel pages.
template <typename Visit>
void forEachPresetOption(Visit visit) {
    int index = 0;
    for (int page = 0; page < kPresetPages; ++page) {
        const OptionPage& table = kOptionPageTable[page];
        for (int i = 0; i < table.lineCount; ++i) visit(index++, table.lines[i]);
    }
}

}  // namespace

OptionPresets& optionPresets() {
    static OptionPresets presets = [] {
        OptionPresets all;
        all.fill(defaultPreset());
        return all;
    }();
    return presets;
}

OptionPreset defaultPreset() {
    Settings chosen;
    forEachPresetOption([&](int, const OptionLine& line) { chosen.*line.field = 0; });
    chosen.SPEED = 2;
    chosen.COMBO = 1;
    chosen.BGA = 1;
    chosen.TITLESKIP = 1;
    chosen.JUDGECOUNT = 1;
    OptionPresets taken;
    savePreset(taken, chosen, 0);
    return taken[0];
}

void savePreset(OptionPresets& presets, const Settings& settings, int slot) {
    forEachPresetOption([&](int index, const OptionLine& line) { presets[slot][index] = settings.*line.field; });
}

void loadPreset(const OptionPresets& presets, Settings& settings, int slot) {
    forEachPresetOption([&](int index, const OptionLine& line) { settings.*line.field = presets[slot][index]; });
}

std::string presetMessage(int slot, bool saved) {
    return "CUSTOM OPTION " + std::to_string(slot + 1) + (saved ? " SAVED" : " LOADED");
}

OptionPresets decodePresetFile(std::span<const std::uint8_t> bytes) {
    const OptionPreset fallback = defaultPreset();
    OptionPresets presets;
    for (int slot = 0; slot < kPresetSlots; ++slot) {
        forEachPresetOption([&](int index, const OptionLine& line) {
            const std::size_t at = 1 + std::size_t(slot) * kPresetOptions + index;
            const int code = at < bytes.size() ? std::int8_t(bytes[at]) : 0;
            presets[slot][index] = code >= 0 && code < line.codeCount ? std::int8_t(code) : fallback[index];
        });
    }
    return presets;
}

std::array<std::uint8_t, kPresetFileSize> encodePresetFile(const OptionPresets& presets) {
    std::array<std::uint8_t, kPresetFileSize> bytes{};
    bytes[0] = kPresetFileMark;
    for (int slot = 0; slot < kPresetSlots; ++slot)
        for (int i = 0; i < kPresetOptions; ++i) bytes[1 + slot * kPresetOptions + i] = std::uint8_t(presets[slot][i]);
    return bytes;
}

void loadPresetFile(OptionPresets& presets, const std::filesystem::path& path) {
    std::vector<std::uint8_t> bytes;
    if (!platform::readFilePrefix(path.string(), kPresetFileSize, bytes)) {
        presets.fill(defaultPreset());
        return;
    }
    presets = decodePresetFile(bytes);
}

bool savePresetFile(const OptionPresets& presets, const std::filesystem::path& path) {
    const auto bytes = encodePresetFile(presets);
    return platform::writeFileAtomically(path, bytes);
}

}  // namespace kv
