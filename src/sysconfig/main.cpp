// sysconfig: the settings dialog for the game's display, sound and joypad.
#include <cstdio>

#include "sysconfig/sysconfig_app.h"
#include "sysconfig/sysconfig_options.h"

int main(int argc, char** argv) {
    kv::sysconfig::SysconfigOptions options;
    std::string error;
    if (!kv::sysconfig::parseSysconfigOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "sysconfig: %s\n%s", error.c_str(), kv::sysconfig::kSysconfigUsage);
        return 2;
    }
    if (options.help) {
        std::fputs(kv::sysconfig::kSysconfigUsage, stdout);
        return 0;
    }
    return kv::sysconfig::runSysconfig(options);
}
