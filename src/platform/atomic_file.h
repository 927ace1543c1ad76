#pragma once
// Writing a file so that readers see either the old or the new contents:
// the bytes go to a temporary file beside it, which is renamed into place.
#include <cstdint>
#include <filesystem>
#include <span>

namespace kv {

// True when the file now holds exactly `bytes`; on failure the old file is
// left as it was and no temporary file remains.
bool writeFileAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);
// Whether writeFileAtomically could create its temporary file there now;
// the existing file is not touched.
bool canReplaceFile(const std::filesystem::path& path);

}  // namespace kv
