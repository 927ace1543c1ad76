#include "chart/data_line.h"

#include <cstring>

#include "base/text.h"

namespace kv {

namespace {

// Up to `width` decimal digits from `text`, stopping at anything else.
int fixedDecimal(const char* text, int width) {
    int value = 0;
    for (int i = 0; i < width && text[i] >= '0' && text[i] <= '9'; ++i) value = value * 10 + (text[i] - '0');
    return value;
}

}  // namespace

std::optional<DataLine> parseDataLine(const char* line) {
    if (line[0] != '#' || parseDigits5(line + 1) < 1) return std::nullopt;
    // Short lines end early; never read past their end.
    const std::size_t length = std::strlen(line);
    DataLine data;
    data.measure = fixedDecimal(line + 1, 3);
    data.channel = length > 4 ? fixedDecimal(line + 4, 2) : 0;
    data.objects = length > 7 ? line + 7 : "";
    return data;
}

int pairCount(const char* objects) { return int((std::strlen(objects) + 1) / 2); }

}  // namespace kv
