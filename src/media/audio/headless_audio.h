#pragma once
// Headless runs have no sound card: the mix is pulled in step with the
// manual clock and, when asked for, written to a WAV file.
#include <cstdint>
#include <string>

namespace kv {

// Makes the next initSound a headless one (as a headless platform does by
// itself). `wavPath` ("" for none) receives the mix as 16-bit stereo WAV,
// from game time 0 to the end of the run: the `--audio-out` option.
void startHeadlessAudio(const std::string& wavPath);
bool headlessAudioRequested();

// initSound and shutdownSound call these. Attaching follows the process
// clock's advances, so call it after the manual clock is in place.
void attachHeadlessOutput();
void detachHeadlessOutput();

// Mixes everything due up to `micros` of game time (the manual clock's
// advances call this, a little behind the clock).
void pullHeadlessAudioTo(std::int64_t micros);

}  // namespace kv
