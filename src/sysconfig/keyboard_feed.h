#pragma once
// Turns the keyboard state table into dialog input: a key that goes down
// becomes a dialog key or a typed character, and one held down repeats
// after a pause, as desktop keyboards do.
#include <array>
#include <cstdint>

#include "base/dik.h"
#include "sysconfig/dialog.h"

namespace kv::sysconfig {

class KeyboardFeed {
public:
    static constexpr std::int64_t kRepeatDelayMs = 500;
    static constexpr std::int64_t kRepeatIntervalMs = 40;

    // Compares `keys` (by scan code, 0x80 = down) with the previous call and
    // hands every new press to `dialog`. Returns the id of a push button a
    // key activated, else 0.
    int feed(const std::uint8_t* keys, std::int64_t nowMs, Dialog& dialog);

private:
    int press(int dik, const std::uint8_t* keys, Dialog& dialog);

    std::array<std::uint8_t, kKeyCount> previous_{};
    int repeating_ = -1;  // the key last pressed, while it is held
    std::int64_t nextRepeatMs_ = 0;
};

}  // namespace kv::sysconfig
