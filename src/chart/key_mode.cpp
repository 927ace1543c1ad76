#include "chart/key_mode.h"

namespace kv {

int keyModeFor(int keySetting, int keyType) {
    // Rows: 5KEYS, 7KEYS, 10KEYS, 14KEYS, 5-7, 5-10, 7-14, 10-14, AUTO.
    static constexpr int table[9][4] = {
        {0, 0, 0, 0}, {1, 1, 1, 1}, {2, 2, 2, 2}, {3, 3, 3, 3}, {0, 1, 0, 1},
        {0, 0, 2, 2}, {1, 1, 3, 3}, {2, 3, 2, 3}, {0, 1, 2, 3},
    };
    if (keySetting < 0 || keySetting > 8) keySetting = 8;
    if (keyType < 0 || keyType > 3) keyType = 0;
    return table[keySetting][keyType];
}

}  // namespace kv
