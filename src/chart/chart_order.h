#pragma once
// Ordering of the chart's lists by (measure, position).
#include <algorithm>

#include "chart/chart.h"

namespace kv {

template <class Entry>
bool earlier(const Entry& a, const Entry& b) {
    return a.measure != b.measure ? a.measure < b.measure : a.position < b.position;
}

// Sorts a lane; of several Normal notes at one position all but the first
// become Doubled. Returns how many were marked, for noteCount.
int sortLaneMarkingDoubles(Lane& lane);

// Stable: events at one position keep their file order, so tempo changes
// written at the same spot apply in the order the author wrote them.
template <class List>
void sortByPosition(List& list) {
    std::stable_sort(list.begin(), list.end(), [](const auto& a, const auto& b) { return earlier(a, b); });
}

}  // namespace kv
