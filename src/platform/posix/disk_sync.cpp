#include "platform/disk_sync.h"

#include <fcntl.h>
#include <unistd.h>

namespace kv::platform {

bool syncFileToDisk(std::FILE* file) { return std::fflush(file) == 0 && ::fsync(::fileno(file)) == 0; }

void syncFolderToDisk(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace kv::platform
