#pragma once
// "KV2.CFG" as sysconfig reads and writes it: the game's format, minus the
// frame cap, with the values the dialog shows kept exactly as written.
#include <filesystem>
#include <string>

#include "settings/settings.h"

namespace kv::sysconfig {

// The game's reader, except that the keys the dialog shows keep the value
// the file holds even outside the game's range (a sound quality of 5 stays
// 5 and is written back as 5). Returns 1 when the file was read, 0 when it
// is missing; the record holds defaults for whatever the file lacks.
int loadSystemSettings(Settings& settings, const std::filesystem::path& file);

// Writes every key but MAXFPS, so the game takes its default frame cap
// again. The old file is replaced only by a complete new one. Returns 1 on
// success; 0 with `problem` set to a message for the user otherwise.
int saveSystemSettings(const Settings& settings, const std::filesystem::path& file, std::string& problem);

}  // namespace kv::sysconfig
