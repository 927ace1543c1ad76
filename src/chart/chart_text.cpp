#include "chart/chart_text.h"

namespace kv {

platform::TextEncoding chartTextEncoding(const ChartEntry& entry) {
    // Line feeds keep a lead byte at the end of one text from pairing with the next.
    return platform::detectEncoding(entry.genre + '\n' + entry.title + '\n' + entry.artist);
}

std::string chartTextUtf8(const ChartEntry& entry, std::string_view text) {
    return platform::toUtf8(text, chartTextEncoding(entry));
}

}  // namespace kv
