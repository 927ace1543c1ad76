#pragma once
// The window's event queue as the shell's message pump sees it: quit,
// activation and move, with key, mouse and joypad events fed into their
// tables on the way.
namespace kv::platform {

struct PumpResult {
    bool quit = false;       // the quit message has arrived (sticky)
    bool activated = false;  // the window came back to the foreground
    bool moved = false;      // the window moved (windowed mode)
};

// Drains every waiting event and returns at once when there are none.
PumpResult pumpEvents();

// The quit message: window close, SIGTERM/SIGINT and the end of a headless
// script all end up here. Once requested it stays requested.
void requestQuit();
bool quitRequested();
// Routes SIGTERM and SIGINT to the quit message (startPlatform does it).
void installQuitSignals();
// Forgets a quit request (tests running several sessions in one process).
void clearQuit();

}  // namespace kv::platform
