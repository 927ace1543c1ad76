#pragma once
// How loud a stretch of a recording is, to tell sound from silence.
#include "platform/sound_file.h"

namespace kv::test {

// Root mean square of every channel over [fromMs, toMs) of the recording
// (0 when the stretch is empty or outside it).
double loudness(const platform::PcmSound& sound, double fromMs, double toMs);

}  // namespace kv::test
