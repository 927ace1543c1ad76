#pragma once
// Which key mode a play uses, from the KEY setting and the chart's key type.

namespace kv {

// keySetting: KEY code 0-8; keyType: 0 = 5, 1 = 7, 2 = 10, 3 = 14 keys.
// Codes outside their ranges fall back to AUTO and to 5 keys.
int keyModeFor(int keySetting, int keyType);

}  // namespace kv
