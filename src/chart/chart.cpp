#include "chart/chart.h"

namespace kv {

Chart theChart;

int Chart::measureLengthOf(int measure) const {
    for (const MeasureLength& entry : measureLengths)
        if (entry.measure == measure) return entry.length;
    return kStandardMeasure;
}

}  // namespace kv
