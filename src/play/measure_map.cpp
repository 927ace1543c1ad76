#include "play/measure_map.h"

#include <algorithm>

namespace kv {

void buildMeasureStarts(const Chart& chart, MeasureStarts& starts) {
    int listIndex = 0;
    std::int32_t total = 0;
    for (int measure = 0; measure <= kMeasureCount; ++measure) {
        starts[std::size_t(measure)] = total;
        while (listIndex < chart.measureLengths.size() && chart.measureLengths[listIndex].measure < measure)
            ++listIndex;
        const bool listed =
            listIndex < chart.measureLengths.size() && chart.measureLengths[listIndex].measure == measure;
        total += listed ? chart.measureLengths[listIndex].length : kStandardMeasure;
    }
}

std::int32_t absoluteStep(const MeasureStarts& starts, int measure, int position) {
    return starts[std::size_t(std::clamp(measure, 0, kMeasureCount))] + position;
}

}  // namespace kv
