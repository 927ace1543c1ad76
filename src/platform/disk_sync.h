#pragma once
// Pushing written bytes through the system's caches to the disk, so that a
// power cut after a save leaves the old file or the new one, never a torn one.
#include <cstdio>
#include <filesystem>

namespace kv::platform {

// Flushes `file` and waits until its bytes are on the disk.
bool syncFileToDisk(std::FILE* file);

// Makes a rename inside `folder` durable. Where the system cannot sync a
// folder this does nothing: the new file is in place either way.
void syncFolderToDisk(const std::filesystem::path& folder);

}  // namespace kv::platform
