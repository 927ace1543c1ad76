#pragma once
// The four custom option presets (F9-F12 on the select screen) and their
// file "KV2OPT.DAT". A preset holds the options of the first four panel
// pages in panel order; the fifth page's toggles are not part of it.
#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

#include "settings/settings.h"

namespace kv {

constexpr int kPresetSlots = 4;
constexpr int kPresetOptions = 25;
constexpr std::size_t kPresetFileSize = 1 + kPresetSlots * kPresetOptions;

using OptionPreset = std::array<std::int8_t, kPresetOptions>;
using OptionPresets = std::array<OptionPreset, kPresetSlots>;

// The presets of the running game.
OptionPresets& optionPresets();

OptionPreset defaultPreset();
void savePreset(OptionPresets& presets, const Settings& settings, int slot);
void loadPreset(const OptionPresets& presets, Settings& settings, int slot);
// "CUSTOM OPTION n SAVED" / "CUSTOM OPTION n LOADED" for slot n - 1.
std::string presetMessage(int slot, bool saved);

// File bytes to presets: bytes a short file lacks read as 0; a code
// outside its option's range (a damaged byte) takes the default preset's
// value, so a preset never loads an option the game cannot show.
OptionPresets decodePresetFile(std::span<const std::uint8_t> bytes);
std::array<std::uint8_t, kPresetFileSize> encodePresetFile(const OptionPresets& presets);

// The presets file in the program folder.
constexpr const char* kPresetFileName = "KV2OPT.DAT";

// Default presets when the file is missing or unreadable.
void loadPresetFile(OptionPresets& presets, const std::filesystem::path& path);
// False when the file could not be written; the old file is then kept whole.
bool savePresetFile(const OptionPresets& presets, const std::filesystem::path& path);

}  // namespace kv
