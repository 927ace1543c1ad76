#pragma once
// The name of an existing folder entry as the file system stores it. Where
// names are matched without regard to case (Windows), "KICK.WAV" opens
// "kick.wav", and the game should still see the name that is on disk.
#include <filesystem>
#include <string>

namespace kv::platform {

// `name` names an existing entry of `folder`; returns its stored spelling.
std::string storedName(const std::filesystem::path& folder, const std::string& name);

}  // namespace kv::platform
