#pragma once
// The frame loop both result screens run: 12 ms logic steps taken from the
// menu counter, the keyboard read every step, one frame drawn and shown per
// pass, with the result music playing until the screen is left.
#include <functional>

#include "screens/results/result_flow.h"

namespace kv {

// Returns the ResultChoice that left the screen, or ResultNothing when the
// quit message arrived.
int runResultLoop(ResultFlow& flow, const std::function<void()>& drawFrame);

}  // namespace kv
