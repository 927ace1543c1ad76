#include "platform/disk_sync.h"

#include <io.h>

namespace kv::platform {

bool syncFileToDisk(std::FILE* file) { return std::fflush(file) == 0 && ::_commit(::_fileno(file)) == 0; }

// NTFS journals the rename itself; a folder has no handle to flush here.
void syncFolderToDisk(const std::filesystem::path&) {}

}  // namespace kv::platform
