// sysconfig: the settings dialog for the game's display, sound and joypad.
#include <cstdio>
#include <string>
#include <vector>

#include "platform/command_arguments.h"
#include "sysconfig/sysconfig_app.h"
#include "sysconfig/sysconfig_options.h"

int main(int argc, char** argv) {
    // The parser skips its first argument, the program's name.
    const std::vector<std::string> arguments = kv::platform::commandArguments(argc, argv);
    std::vector<const char*> words{argv[0]};
    for (const std::string& argument : arguments) words.push_back(argument.c_str());
    kv::sysconfig::SysconfigOptions options;
    std::string error;
    if (!kv::sysconfig::parseSysconfigOptions(int(words.size()), words.data(), options, error)) {
        std::fprintf(stderr, "sysconfig: %s\n%s", error.c_str(), kv::sysconfig::kSysconfigUsage);
        return 2;
    }
    if (options.help) {
        std::fputs(kv::sysconfig::kSysconfigUsage, stdout);
        return 0;
    }
    return kv::sysconfig::runSysconfig(options);
}
