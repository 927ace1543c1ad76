#include "platform/fine_timer.h"

#include <windows.h>
#include <mmsystem.h>

namespace kv::platform {
namespace {
bool requested = false;
}  // namespace

// The default tick is 15.6 ms: a sleep would miss frames by whole ticks.
void requestFineTimer() {
    if (!requested) requested = timeBeginPeriod(1) == TIMERR_NOERROR;
}

void releaseFineTimer() {
    if (requested) timeEndPeriod(1);
    requested = false;
}

}  // namespace kv::platform
