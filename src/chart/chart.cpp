#include "chart/chart.h"

namespace kv {

Chart theChart;

int Chart::measureLengthOf(int measure) const {
    for (const MeasureLength& entry : measureLengths)
        if (entry.measure == measure) return entry.length;
    return kStandardMeasure;
}

MeasureLengthTable::MeasureLengthTable(const Chart& chart) : chart_(chart) {
    lengths_.fill(kStandardMeasure);
    std::array<bool, kMeasureCount> listed{};
    // The first entry of a measure counts, as in measureLengthOf.
    for (const MeasureLength& entry : chart.measureLengths) {
        if (entry.measure < 0 || entry.measure >= kMeasureCount || listed[std::size_t(entry.measure)]) continue;
        listed[std::size_t(entry.measure)] = true;
        lengths_[std::size_t(entry.measure)] = entry.length;
    }
}

int MeasureLengthTable::of(int measure) const {
    if (measure < 0 || measure >= kMeasureCount) return chart_.measureLengthOf(measure);
    return lengths_[std::size_t(measure)];
}

}  // namespace kv
