#pragma once
// The program's arguments as game text. On Windows argv holds them in the
// ANSI code page, where a Japanese folder name may not fit; there they are
// taken from the system's wide command line instead.
#include <string>
#include <vector>

namespace kv::platform {

// The arguments after the program's own name.
std::vector<std::string> commandArguments(int argc, char** argv);

}  // namespace kv::platform
