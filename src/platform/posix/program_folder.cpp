#include <filesystem>

#include "platform/files.h"

namespace kv::platform {

std::string executableFolder() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return currentDirectory();
    std::string folder = exe.parent_path().string();
    return folder.ends_with('/') ? folder : folder + '/';
}

}  // namespace kv::platform
