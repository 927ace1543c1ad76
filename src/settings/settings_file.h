#pragma once
// "KV2.CFG": the settings as a CR LF text file of "KEY value" lines. The
// game and sysconfig both read and write it, so the key order and number
// format stay fixed.
#include <filesystem>

#include "settings/settings.h"

namespace kv {

inline constexpr const char* kSettingsFileName = "KV2.CFG";

// Resets `settings` to the defaults (the fonts keep their names), turns the
// run-only toggles off, then applies the file's lines. Option codes outside
// their range are clamped so no user of a field indexes past a table or
// divides by zero. Returns 1 when the file was read, 0 when it could not be
// opened; the record is complete either way.
int loadSettings(Settings& settings, const std::filesystem::path& file = kSettingsFileName);

// Extension lines (JUDGEOFFSET, LONGNOTES, STOPS) are read into their fields and kept in
// `extensionLines`, which the writer puts back exactly as they were, after
// the classic lines; a file without them is written without them.
//
// Writes the whole record (but the run-only toggles) through a temporary
// file renamed into place, so a failed write never leaves a half file.
// Returns 1 on success, 0 when the file could not be written.
int saveSettings(const Settings& settings, const std::filesystem::path& file = kSettingsFileName);

}  // namespace kv
