#include "media/audio/sample_file_name.h"

namespace kv {
namespace {

constexpr std::string_view kFallbackExtensions[] = {".ogg", ".flac", ".mp3", ".wav"};

// The name without its extension; a dot in a folder name is no extension.
std::string_view stemOf(std::string_view name) {
    const std::size_t dot = name.rfind('.');
    const std::size_t separator = name.find_last_of("/\\");
    if (dot == std::string_view::npos || (separator != std::string_view::npos && dot < separator)) return name;
    return name.substr(0, dot);
}

}  // namespace

std::string findSampleFile(std::string_view name, platform::FileNames& names) {
    if (name.empty()) return {};
    if (names.isFile(name)) return names.resolve(name);
    const std::string stem{stemOf(name)};
    for (std::string_view extension : kFallbackExtensions) {
        const std::string candidate = stem + std::string(extension);
        if (names.isFile(candidate)) return names.resolve(candidate);
    }
    return {};
}

}  // namespace kv
