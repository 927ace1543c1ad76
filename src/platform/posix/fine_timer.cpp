#include "platform/fine_timer.h"

namespace kv::platform {

// Sleeps here already wake to the microsecond.
void requestFineTimer() {}
void releaseFineTimer() {}

}  // namespace kv::platform
