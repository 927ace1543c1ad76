#include "sysconfig/keyboard_feed.h"

#include <optional>

#include "base/key_names.h"

namespace kv::sysconfig {

namespace {

std::optional<DialogKey> dialogKeyOf(int dik) {
    switch (dik) {
    case DIK_TAB: return DialogKey::Tab;
    case DIK_RETURN:
    case DIK_NUMPADENTER: return DialogKey::Enter;
    case DIK_SPACE: return DialogKey::Space;
    case DIK_LEFT: return DialogKey::Left;
    case DIK_RIGHT: return DialogKey::Right;
    case DIK_UP: return DialogKey::Up;
    case DIK_DOWN: return DialogKey::Down;
    case DIK_HOME: return DialogKey::Home;
    case DIK_END: return DialogKey::End;
    case DIK_BACK: return DialogKey::Backspace;
    case DIK_DELETE: return DialogKey::Delete;
    default: return std::nullopt;
    }
}

bool isDown(const std::uint8_t* keys, int dik) { return (keys[dik] & kKeyDown) != 0; }

}  // namespace

int KeyboardFeed::press(int dik, const std::uint8_t* keys, Dialog& dialog) {
    const bool shift = isDown(keys, DIK_LSHIFT) || isDown(keys, DIK_RSHIFT);
    if (const std::optional<DialogKey> key = dialogKeyOf(dik)) return dialog.keyDown(*key, shift);
    // Control and Alt combinations are shortcuts, not text.
    const bool shortcut = isDown(keys, DIK_LCONTROL) || isDown(keys, DIK_RCONTROL) || isDown(keys, DIK_LMENU) ||
                          isDown(keys, DIK_RMENU);
    const char character = charForKey(dik, shift);
    if (character != 0 && !shortcut) dialog.typeCharacter(character);
    return 0;
}

int KeyboardFeed::feed(const std::uint8_t* keys, std::int64_t nowMs, Dialog& dialog) {
    int activated = 0;
    for (int dik = 0; dik < kKeyCount && activated == 0; ++dik) {
        if (!isDown(keys, dik) || (previous_[dik] & kKeyDown)) continue;
        repeating_ = dik;
        nextRepeatMs_ = nowMs + kRepeatDelayMs;
        activated = press(dik, keys, dialog);
    }
    if (repeating_ >= 0 && !isDown(keys, repeating_)) repeating_ = -1;
    if (repeating_ >= 0 && activated == 0 && nowMs >= nextRepeatMs_) {
        nextRepeatMs_ = nowMs + kRepeatIntervalMs;
        activated = press(repeating_, keys, dialog);
    }
    std::copy(keys, keys + kKeyCount, previous_.begin());
    return activated;
}

}  // namespace kv::sysconfig
