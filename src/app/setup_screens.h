#pragma once
// The key and joypad setup screens reached from the title with K and J.

namespace kv {

// Each returns 1 when the screen closed (a complete set of 18 bindings
// replaces KEYCODE or JOYCODE; Escape leaves them as they were), 0 when
// the program is to quit.
int keySetupScreen();
int joypadSetupScreen();

}  // namespace kv
