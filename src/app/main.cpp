#include "app/command_line.h"
#include "platform/command_arguments.h"

int main(int argc, char** argv) {
    return kv::runCommand(kv::parseCommandLine(kv::platform::commandArguments(argc, argv)));
}
