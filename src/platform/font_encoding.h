#pragma once
// Chart text comes as bytes in its author's code page: Shift-JIS (CP932)
// for most charts, CP949 for Korean ones, UTF-8 for newer ones. Parsing
// works on the bytes; only drawing converts them to UTF-8 with these.
#include <string>
#include <string_view>

namespace kv::platform {

enum class TextEncoding { Utf8, Cp932, Cp949 };

// True when the bytes are well-formed UTF-8 (plain ASCII is).
bool isValidUtf8(std::string_view bytes);

// The encoding the bytes most likely are: UTF-8 when they are valid UTF-8,
// else the code page that decodes them cleanly, Shift-JIS first. When both
// do, Korean text shows itself in CP932 as half-width katakana mixed with
// double-byte characters, which Japanese text rarely mixes. Give it all the
// text of one file at once, so its strings all decode the same way.
TextEncoding detectEncoding(std::string_view bytes);

// Converts from the given encoding; bytes that do not decode become "?".
std::string toUtf8(std::string_view bytes, TextEncoding encoding);

// detectEncoding then toUtf8.
std::string chartTextToUtf8(std::string_view bytes);

}  // namespace kv::platform
