#pragma once
// "KV2SOUND.CFG": the player's choice of menu music and effects, one
// "KEY file name" line per sound, loaded once at start into the menu slots.
#include <array>
#include <string_view>

namespace kv {

inline constexpr const char* kSoundConfigFile = "KV2SOUND.CFG";

// In slot order from kSlotTitleMusic.
inline constexpr std::array<std::string_view, 10> kMenuSoundKeys = {
    "TITLEMUSIC",  "TITLECURSOR", "TITLECHECK",  "SELECTMUSIC", "SELECTCURSOR",
    "SELECTMODE",  "SELECTCHECK", "RESULTMUSIC", "RESULTSOUND", "RESULTCHECK",
};

// Reads "KV2SOUND.CFG" from the current folder and loads each named sound
// into its slot; a sound that does not load leaves its slot silent. When
// the file is missing, writes the template (every key, no file names) and
// loads nothing. Returns 0.
int loadSoundConfig();

}  // namespace kv
