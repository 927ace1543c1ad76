#pragma once
// Decoding text in a code page to UTF-8, as this system provides it.
#include <optional>
#include <string>
#include <string_view>

#include "platform/font_encoding.h"

namespace kv::platform {

// Converts the whole text; with `strict` any undecodable byte fails the
// conversion, else that byte (or the lead byte of a cut-off pair) becomes
// "?" and conversion goes on. Nothing when the code page is unknown here.
std::optional<std::string> decodeCodePage(std::string_view bytes, TextEncoding from, bool strict);

}  // namespace kv::platform
