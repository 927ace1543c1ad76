#include "platform/terminal.h"

#include <unistd.h>

namespace kv::platform {

bool stderrIsTerminal() { return isatty(STDERR_FILENO) == 1; }

}  // namespace kv::platform
