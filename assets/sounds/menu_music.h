#pragma once
// Our menu music and effects, composed for the synthesizer.
#include <string>
#include <vector>

#include "synth.h"

namespace kv::sounds {

struct MenuSound {
    std::string file;  // file name in the sound folder
    Track track;
    double peak;       // loudness, of full scale
    double fadeSeconds;
};

// The ten menu sounds in slot order (the order of kMenuSoundKeys), at
// `rate` Hz.
std::vector<MenuSound> composeMenuSounds(int rate);

}  // namespace kv::sounds
