#include "platform/message_box.h"

#include <SDL.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "platform/platform.h"

namespace kv::platform {
namespace {

// A box needs a real display: never headless, never on the dummy driver
// the tests use (a box there could wait for a click that never comes).
bool displayAvailable() {
    if (isHeadless() || !SDL_WasInit(SDL_INIT_VIDEO)) return false;
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver && std::strcmp(driver, "dummy") != 0;
}

}  // namespace

void showMessage(std::string_view text) {
    const std::string message(text);
    // Our boxes give no caption of their own, so they read "Error" like a
    // plain system box.
    if (displayAvailable() && SDL_ShowSimpleMessageBox(0, "Error", message.c_str(), nullptr) == 0) return;
    std::fprintf(stderr, "%s\n", message.c_str());
}

}  // namespace kv::platform
