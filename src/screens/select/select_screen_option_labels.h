#pragma once
// The texts the option panel shows for each option code; the lower-case
// letter marks the line's hot key (drawn in the second colour).
#include <string>

namespace kv {

// The label of a panel line at `code`; empty for a code the option lacks.
std::string optionLineLabel(int page, int line, int code);

}  // namespace kv
