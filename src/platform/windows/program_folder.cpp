#include <windows.h>

#include <filesystem>
#include <vector>

#include "platform/files.h"

namespace kv::platform {

std::string executableFolder() {
    std::vector<wchar_t> name(MAX_PATH);
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, name.data(), DWORD(name.size()))) == name.size())
        name.resize(name.size() * 2);
    if (length == 0) return currentDirectory();
    const std::string folder = std::filesystem::path(std::wstring(name.data(), length)).parent_path().generic_string();
    return folder.ends_with('/') ? folder : folder + '/';
}

}  // namespace kv::platform
