#pragma once
// The game keeps file names as narrow text: on Windows that text is UTF-8,
// elsewhere the bytes the file system stores. A std::filesystem::path made
// straight from such text would be read in the C library's code page on
// Windows, so every name the game hands to the system goes through here.
#include <cstdio>
#include <filesystem>
#include <string_view>

namespace kv::platform {

// The path that names what `text` names. Bytes that are not UTF-8 (a name
// written in a chart's own code page) give a path that matches nothing on
// Windows rather than failing.
std::filesystem::path pathFromText(std::string_view text);

// The folder `text` names, the current one when it is empty.
inline std::filesystem::path folderFromText(std::string_view text) {
    return text.empty() ? std::filesystem::path(".") : pathFromText(text);
}

// std::fopen for a path, through the wide call on Windows.
std::FILE* openFile(const std::filesystem::path& path, const char* mode);

}  // namespace kv::platform
