#pragma once
// Whether the command-line tools talk to a person or to a pipe or log.
namespace kv::platform {

// True when standard error is a terminal, where a progress line that
// rewrites itself makes sense.
bool stderrIsTerminal();

}  // namespace kv::platform
