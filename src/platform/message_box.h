#pragma once
// Start-up failures and the no-chart notice are shown in a message box
// with an OK button; without a display (headless, no X server) the text
// goes to stderr instead.
#include <string_view>

namespace kv::platform {

void showMessage(std::string_view text);

}  // namespace kv::platform
