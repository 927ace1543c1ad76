#include "platform/path_text.h"

namespace kv::platform {

// Names are bytes here, and so is a path.
std::filesystem::path pathFromText(std::string_view text) { return std::filesystem::path(text); }

std::FILE* openFile(const std::filesystem::path& path, const char* mode) { return std::fopen(path.c_str(), mode); }

}  // namespace kv::platform
