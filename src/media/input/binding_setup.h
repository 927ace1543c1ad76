#pragma once
// The key and joypad setup screens' rules: the 18 controls are asked for
// in turn (left side, then right: EFFECT, EFFECT ONEMORE, KEYBOARD 1-7),
// one fresh key or joypad control per prompt; only a complete set replaces
// the bindings.
#include <array>
#include <cstdint>
#include <string>

#include "media/input/input.h"
#include "settings/settings.h"

namespace kv {

constexpr int kSetupSlideStart = 200;

struct BindingSetup {
    int index = -1;  // the control asked for; -1 while the pictures slide in
    int slide = kSetupSlideStart;
    std::array<std::int32_t, kBindingCount> bindings{};
    bool latch = false;  // a key was taken and not yet released
    bool done = false;

    // One frame of the opening slide; the prompts begin once it is over.
    void slideIn();
    // Binds the control asked for and asks for the next; done after the 18th.
    void take(std::int32_t code);
    bool complete() const { return index >= kBindingCount; }
};

// "PRESS KEY FOR L EFFECT" and so on, for the control asked for.
std::string setupPrompt(int index);

// Key screen: the lowest scan code down is taken once the keys of the
// previous prompt were all released. Scan codes above 222 never hold a
// prompt back.
void takeKey(BindingSetup& setup, const std::uint8_t* keys);

// The joypad controls of one frame: 256 button states (joypad j's button b
// at j x 32 + b) and, per direction (up, down, left, right), the joypad
// pushed that way plus one, or 0.
struct JoypadControls {
    std::array<std::uint8_t, kMaxJoypads * kJoypadButtons> buttons{};
    std::array<int, 4> directions{};

    static JoypadControls allHeld();  // before the first read: nothing counts as new
};
JoypadControls joypadControls(const JoypadState& state);

// Joypad screen: a newly pressed button (the highest), else a newly pushed
// direction, else Space skips the control (unbound).
void takeJoypadControl(BindingSetup& setup, const JoypadControls& now, JoypadControls& previous, bool spaceDown);

}  // namespace kv
