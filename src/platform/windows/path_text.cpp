#include "platform/path_text.h"

#include <windows.h>

#include <string>

namespace kv::platform {
namespace {

// Without MB_ERR_INVALID_CHARS a stray byte becomes U+FFFD instead of
// failing the whole name.
std::wstring widened(std::string_view text) {
    if (text.empty()) return {};
    const int size = int(text.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
    std::wstring wide(std::size_t(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), length);
    return wide;
}

}  // namespace

std::filesystem::path pathFromText(std::string_view text) { return std::filesystem::path(widened(text)); }

std::FILE* openFile(const std::filesystem::path& path, const char* mode) {
    return _wfopen(path.c_str(), widened(mode).c_str());
}

}  // namespace kv::platform
