#include "scene/message_pump.h"

#include "media/gfx/display.h"
#include "media/input/input.h"
#include "platform/events.h"
#include "scene/shell.h"
#include "settings/settings.h"

namespace kv {

int pumpMessages() {
    const platform::PumpResult events = platform::pumpEvents();
    if (events.quit) return 0;
    if (events.activated && display.created) {
        // Back in front: take back what the system took while we were away.
        restoreSurfaces();
        acquireKeyboard();
        if (settings().USEJOYPAD) acquireJoypads();
        shell().displayReactivated = 1;
    }
    if (events.moved && display.created && display.windowed) updateWindowRect();
    return 1;
}

}  // namespace kv
