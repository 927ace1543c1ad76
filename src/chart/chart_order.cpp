#include "chart/chart_order.h"

namespace kv {

int sortLaneMarkingDoubles(Lane& lane) {
    sortByPosition(lane);
    int marked = 0;
    const ChartObject* firstNormal = nullptr;
    for (ChartObject& object : lane) {
        if (firstNormal && !earlier(*firstNormal, object) && object.kind == NoteKind::Normal) {
            object.kind = NoteKind::Doubled;
            ++marked;
        } else if (object.kind == NoteKind::Normal) {
            firstNormal = &object;
        }
    }
    return marked;
}

}  // namespace kv
