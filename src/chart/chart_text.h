#pragma once
// A chart's free text (title, artist, genre) for showing: its bytes are in
// one code page per chart file, decided once from all of that text, so a
// title and an artist never decode differently.
#include <string>
#include <string_view>

#include "chart/chart_entry.h"
#include "platform/font_encoding.h"

namespace kv {

platform::TextEncoding chartTextEncoding(const ChartEntry& entry);

// `text` (one of the entry's texts) converted to UTF-8 in the chart's encoding.
std::string chartTextUtf8(const ChartEntry& entry, std::string_view text);

}  // namespace kv
