#include "platform/plugin_library.h"

#include <windows.h>

#include "platform/path_text.h"

namespace kv::platform {

void* openSharedLibrary(const std::string& path) {
    // No "cannot load" dialog for a file that is not a module.
    const UINT previous = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    void* library = LoadLibraryW(pathFromText(path).c_str());
    SetErrorMode(previous);
    return library;
}

void* findSharedSymbol(void* library, const char* name) {
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}

}  // namespace kv::platform
