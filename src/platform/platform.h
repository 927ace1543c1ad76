#pragma once
// Start and end of the platform layer for one run of a program.
#include <string>

namespace kv::platform {

// Initialises SDL (video and events unless headless), routes SIGTERM and
// SIGINT to the quit message, and picks the clock: real for a windowed
// run, manual for a headless one. Returns false when SDL cannot start, or
// when no display was found and SDL fell back to drawing nowhere (a driver
// such as "dummy" that SDL_VIDEODRIVER asks for by name is fine).
bool startPlatform(bool headless);
void stopPlatform();

// Why the last startPlatform failed, in one line.
const std::string& startProblem();

// True for a headless run: no window, no audio device, manual clock.
bool isHeadless();

}  // namespace kv::platform
