#pragma once
// Shared objects loaded at run time (picture plug-ins). Libraries stay
// loaded until the process ends, so no handle is ever closed.
#include <string>

namespace kv::platform {

// Null when the file is not a loadable module.
void* openSharedLibrary(const std::string& path);
void* findSharedSymbol(void* library, const char* name);

}  // namespace kv::platform
