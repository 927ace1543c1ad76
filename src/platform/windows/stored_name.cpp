#include "platform/stored_name.h"

#include <windows.h>

#include "platform/path_text.h"

namespace kv::platform {

std::string storedName(const std::filesystem::path& folder, const std::string& name) {
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW((folder / pathFromText(name)).wstring().c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return name;
    FindClose(search);
    return std::filesystem::path(found.cFileName).string();
}

}  // namespace kv::platform
