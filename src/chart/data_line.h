#pragma once
// Data lines of a chart: "#MMMCC:objects", measure MMM, channel CC, then
// the object string read two characters at a time.
#include <optional>

namespace kv {

struct DataLine {
    int measure = 0;
    int channel = 0;
    const char* objects = "";  // the object string, possibly empty
};

// The data line, or nothing when `line` (starting at "#") is a header line.
std::optional<DataLine> parseDataLine(const char* line);

// Number of object pairs; a trailing single character counts as one.
int pairCount(const char* objects);

// Position of pair i of n within a standard measure.
inline int pairPosition(int i, int n) { return int(288.0 / n * i); }

}  // namespace kv
