#pragma once
// Headless runs have no sound card: the mix is pulled in step with the
// manual clock and, when asked for, written to a WAV file.
#include <cstdint>
#include <string>

namespace kv {

// Makes the next initSound a headless one. `wavPath` ("" for none) receives
// the mix as 16-bit stereo WAV, from game time 0 to the end of the run.
// The `--audio-out` option of headless runs.
void startHeadlessAudio(const std::string& wavPath);
bool headlessAudioRequested();

// initSound and shutdownSound call these.
void attachHeadlessOutput();
void detachHeadlessOutput();

// Mixes everything due up to `micros` of game time (the manual clock's
// advances call this).
void pullHeadlessAudioTo(std::int64_t micros);

}  // namespace kv
