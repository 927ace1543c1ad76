#include "platform/atomic_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <system_error>

namespace kv::platform {

namespace {

std::filesystem::path temporaryFor(const std::filesystem::path& path) {
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    return temporary;
}

bool writeAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes = bytes.subspan(std::size_t(written));
    }
    return true;
}

// Makes the rename itself durable. Some file systems cannot sync a folder;
// the new file is in place either way, so that is no failure.
void syncFolderOf(const std::filesystem::path& path) {
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

bool canReplaceFile(const std::filesystem::path& path) {
    const std::filesystem::path temporary = temporaryFor(path);
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) return false;
    std::fclose(file);
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return true;
}

bool writeFileAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    const std::filesystem::path temporary = temporaryFor(path);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    // The bytes reach the disk before the name points at them, so a power
    // cut leaves the old file or the new one, never an empty one.
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    std::error_code error;
    if (written && closed) {
        std::filesystem::rename(temporary, path, error);
        if (!error) {
            syncFolderOf(path);
            return true;
        }
    }
    std::filesystem::remove(temporary, error);
    return false;
}

}  // namespace kv::platform
