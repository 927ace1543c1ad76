#include "platform/file_bytes.h"

#include <algorithm>
#include <cstdio>
#include <limits>

#include "platform/path_text.h"

namespace kv::platform {

bool readFilePrefix(const std::string& path, std::size_t limit, std::vector<std::uint8_t>& bytes) {
    bytes.clear();
    std::FILE* file = openFile(pathFromText(path), "rb");
    if (!file) return false;
    std::uint8_t chunk[1 << 16];
    std::size_t got = 0;
    while (bytes.size() < limit &&
           (got = std::fread(chunk, 1, std::min(sizeof chunk, limit - bytes.size()), file)) > 0)
        bytes.insert(bytes.end(), chunk, chunk + got);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) bytes.clear();
    return !failed;
}

bool readFileBytes(const std::string& path, std::vector<std::uint8_t>& bytes) {
    return readFilePrefix(path, std::numeric_limits<std::size_t>::max(), bytes);
}

}  // namespace kv::platform
