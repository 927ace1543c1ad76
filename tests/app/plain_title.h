#pragma once
// A title for start-up tests that must not depend on the skin: a plain
// frame that leaves on Escape.
namespace kv::test {

// Returns the title's exit choice on Escape or on the quit message.
int plainTitleScreen();

}  // namespace kv::test
