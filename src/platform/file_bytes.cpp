#include "platform/file_bytes.h"

#include <cstdio>

namespace kv::platform {

bool readFileBytes(const std::string& path, std::vector<std::uint8_t>& bytes) {
    bytes.clear();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    std::uint8_t chunk[1 << 16];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.insert(bytes.end(), chunk, chunk + got);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) bytes.clear();
    return !failed;
}

}  // namespace kv::platform
