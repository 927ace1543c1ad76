#pragma once
// The command line of sysconfig:
//   sysconfig [--home DIR] [--headless [--script FILE]] | --help
#include <string>

namespace kv::sysconfig {

struct SysconfigOptions {
    std::string home;  // the folder whose "KV2.CFG" is edited; empty: the program's own
    bool headless = false;
    std::string script;  // headless only
    bool help = false;
};

inline constexpr char kSysconfigUsage[] =
    "usage: sysconfig [--home DIR] [--headless [--script FILE]]\n"
    "Edits the system settings in KV2.CFG of DIR (default: the folder of the sysconfig program,\n"
    "which is the game's program folder).\n";

// Returns false with `error` set when the arguments make no sense.
bool parseSysconfigOptions(int argc, const char* const* argv, SysconfigOptions& options, std::string& error);

}  // namespace kv::sysconfig
