#pragma once
// Sample-rate conversion of whole sounds through libsoxr: done once when a
// sound loads, so the mixer plays every sound at the output rate.
#include "platform/sound_file.h"

namespace kv::platform {

// Converts `sound` to `rate` frames per second with a band-limiting
// filter (nothing above the lower rate's Nyquist frequency folds back).
// False when the conversion could not be made (no memory); the sound is
// then left as it was.
bool resampleSound(PcmSound& sound, int rate);

}  // namespace kv::platform
