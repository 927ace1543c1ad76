#include "platform/command_arguments.h"

#include <windows.h>
#include <shellapi.h>

#include <filesystem>

namespace kv::platform {

std::vector<std::string> commandArguments(int argc, char** argv) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide) return {argv + 1, argv + argc};
    std::vector<std::string> arguments;
    // A path's string() is UTF-8 here, whatever the text.
    for (int i = 1; i < count; ++i) arguments.push_back(std::filesystem::path(wide[i]).string());
    LocalFree(wide);
    return arguments;
}

}  // namespace kv::platform
