#include "sysconfig/sysconfig_options.h"

#include <string_view>

namespace kv::sysconfig {

bool parseSysconfigOptions(int argc, const char* const* argv, SysconfigOptions& options, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        const bool takesValue = argument == "--home" || argument == "--script";
        if (takesValue && i + 1 == argc) {
            error = std::string(argument) + " needs a value";
            return false;
        }
        if (argument == "--home") options.home = argv[++i];
        else if (argument == "--script") options.script = argv[++i];
        else if (argument == "--headless") options.headless = true;
        else if (argument == "--help" || argument == "-h") options.help = true;
        else {
            error = "unknown argument " + std::string(argument);
            return false;
        }
    }
    if (!options.script.empty() && !options.headless) {
        error = "--script needs --headless";
        return false;
    }
    return true;
}

}  // namespace kv::sysconfig
