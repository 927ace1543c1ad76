#pragma once
// The title the game shows until the animated title screen is registered:
// a plain frame that leaves on Escape.
namespace kv {

// Returns the title's exit choice on Escape or on the quit message.
int plainTitleScreen();

}  // namespace kv
