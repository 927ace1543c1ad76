#pragma once
// Writing a file so that readers see either the old or the new contents:
// the bytes go to a temporary file beside it, which is renamed into place.
#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>

namespace kv::platform {

// True when the file now holds exactly `bytes`; on failure the old file is
// left as it was and no temporary file remains.
bool writeFileAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);
inline bool writeFileAtomically(const std::filesystem::path& path, std::string_view text) {
    return writeFileAtomically(path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}
// Whether writeFileAtomically could create its temporary file there now;
// the existing file is not touched.
bool canReplaceFile(const std::filesystem::path& path);

}  // namespace kv::platform
