#pragma once
// The keys that play each lane, by chart key mode, as a Markdown table: the
// README's player's guide carries the one made from the default bindings,
// and tools/readme_keys keeps it in step with them.
#include <array>
#include <cstdint>
#include <string>

#include "settings/settings.h"

namespace kv {

using KeyBindings = std::array<std::int32_t, kBindingCount>;

// A row per player side of 5-, 7-, 10- and 14-key charts.
std::string laneKeyTable(const KeyBindings& keyCodes);

// The lines that open and close the generated table in the README.
extern const char* const kLaneKeyTableBegin;
extern const char* const kLaneKeyTableEnd;

// `readme` with the text between the two marker lines replaced by the table
// of `keyCodes`; empty when the markers are missing or out of order.
std::string withLaneKeyTable(const std::string& readme, const KeyBindings& keyCodes);

}  // namespace kv
