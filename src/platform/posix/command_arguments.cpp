#include "platform/command_arguments.h"

namespace kv::platform {

std::vector<std::string> commandArguments(int argc, char** argv) { return {argv + 1, argv + argc}; }

}  // namespace kv::platform
