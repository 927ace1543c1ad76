#include "platform/atomic_file.h"

#include <cstdio>
#include <system_error>

#include "platform/disk_sync.h"
#include "platform/path_text.h"

namespace kv::platform {

namespace {

std::filesystem::path temporaryFor(const std::filesystem::path& path) {
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    return temporary;
}

}  // namespace

bool canReplaceFile(const std::filesystem::path& path) {
    const std::filesystem::path temporary = temporaryFor(path);
    std::FILE* file = openFile(temporary, "wb");
    if (!file) return false;
    std::fclose(file);
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return true;
}

bool writeFileAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    const std::filesystem::path temporary = temporaryFor(path);
    std::FILE* file = openFile(temporary, "wb");
    if (!file) return false;
    // The bytes reach the disk before the name points at them, so a power
    // cut leaves the old file or the new one, never an empty one.
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && syncFileToDisk(file);
    const bool closed = std::fclose(file) == 0;
    std::error_code error;
    if (written && closed) {
        std::filesystem::rename(temporary, path, error);
        if (!error) {
            syncFolderToDisk(path.has_parent_path() ? path.parent_path() : std::filesystem::path("."));
            return true;
        }
    }
    std::filesystem::remove(temporary, error);
    return false;
}

}  // namespace kv::platform
