#pragma once
// Start and end of the platform layer for one run of a program.
namespace kv::platform {

// Initialises SDL (video and events unless headless), routes SIGTERM and
// SIGINT to the quit message, and picks the clock: real for a windowed
// run, manual for a headless one. Returns false when SDL cannot start.
bool startPlatform(bool headless);
void stopPlatform();

// True for a headless run: no window, no audio device, manual clock.
bool isHeadless();

}  // namespace kv::platform
