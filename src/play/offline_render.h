#pragma once
// `game --render CHART OUT.wav`: the chart's whole song (background
// sounds, every note's keysound, MIDI) mixed offline under full autoplay
// into a 16-bit stereo WAV at 44.1 kHz, with a progress line on stderr
// when it is a terminal and, at the end, one line with the length and
// peak level of the mix.
#include <string>

namespace kv {

// Returns the program's exit code: 0 when the WAV was written.
int renderChartToWav(const std::string& chartPath, const std::string& wavPath);

}  // namespace kv
