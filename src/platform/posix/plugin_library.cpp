#include "platform/plugin_library.h"

#include <dlfcn.h>

namespace kv::platform {

void* openSharedLibrary(const std::string& path) { return dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL); }

void* findSharedSymbol(void* library, const char* name) { return dlsym(library, name); }

}  // namespace kv::platform
