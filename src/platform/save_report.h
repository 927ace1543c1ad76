#pragma once
// The game's own files (settings, rankings, replays, courses) that cannot be
// saved, said on stderr; the old file then stays as it was. Screens that are
// up when a save cannot happen say so too, in their own way.
#include <filesystem>

namespace kv::platform {

void reportSaveFailure(const std::filesystem::path& file);

}  // namespace kv::platform
