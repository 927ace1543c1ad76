#pragma once
// Quoting text for the JSON the command-line reports print.
#include <string>
#include <string_view>

namespace kv {

// A JSON string literal of UTF-8 text, quotes included.
std::string jsonString(std::string_view utf8);

// A chart text (bytes in the chart's code page) as a JSON string of its UTF-8 form.
std::string jsonChartText(std::string_view bytes);

}  // namespace kv
