#include "chart/chart_arrange.h"

#include <algorithm>
#include <array>

#include "chart/chart_order.h"

namespace kv {

namespace {

constexpr int kMeasureCount = 1000;  // measure numbers have three digits

template <class List>
void scaleList(List& list, const std::array<int, kMeasureCount>& lengths) {
    for (auto& entry : list) {
        if (entry.measure < 0 || entry.measure >= kMeasureCount) continue;
        entry.position = std::int16_t(lengths[std::size_t(entry.measure)] * entry.position / kStandardMeasure);
    }
}

// A long note's end lies in a measure of its own.
void scaleLongNoteEnds(Lane& lane, const std::array<int, kMeasureCount>& lengths) {
    for (ChartObject& object : lane) {
        if (!object.isLong() || object.endMeasure >= kMeasureCount) continue;
        object.endPosition = std::int16_t(lengths[std::size_t(object.endMeasure)] * object.endPosition / kStandardMeasure);
    }
}

void scaleMeasurePositions(Chart& chart) {
    std::array<int, kMeasureCount> lengths;
    lengths.fill(kStandardMeasure);
    for (const MeasureLength& entry : chart.measureLengths)
        if (entry.measure >= 0 && entry.measure < kMeasureCount) lengths[std::size_t(entry.measure)] = entry.length;
    for (Lane& lane : chart.sourceLanes) {
        scaleList(lane, lengths);
        scaleLongNoteEnds(lane, lengths);
    }
    scaleList(chart.bgm, lengths);
    scaleList(chart.bgaBase, lengths);
    scaleList(chart.bgaPoor, lengths);
    scaleList(chart.bgaLayer, lengths);
    scaleList(chart.tempoChanges, lengths);
    scaleList(chart.stops, lengths);
}

// Only Normal notes were ever counted, so only they leave the count.
void moveLaneToBgm(Chart& chart, int laneIndex) {
    Lane& lane = chart.sourceLanes[std::size_t(laneIndex)];
    for (const ChartObject& object : lane) {
        chart.bgm.push({object.measure, object.position, object.sample});
        if (object.kind == NoteKind::Normal) --chart.noteCount;
    }
    lane.clear();
}

// The lanes SYMMETRY rebuilds as mirror copies, per key mode.
bool replacedBySymmetry(int keyMode, int lane) {
    switch (keyMode) {
        case FiveKeys: return lane == 4 || lane == 5;
        case SevenKeys: return lane >= 5 && lane <= 7;
        case TenKeys: return lane >= 8 && lane <= 13;
        default: return lane >= 8;
    }
}

// A shortened measure can round several tempo changes onto one grid
// position; the one written latest in the measure is the tempo the chart
// means from there on. Changes written at the very same spot all stay and
// keep their file order.
void dropTempoChangesOvertakenOnTheGrid(Chart& chart) {
    auto& changes = chart.tempoChanges;
    int kept = 0;
    for (int first = 0; first < changes.size();) {
        int end = first;
        double latest = changes[first].writtenPosition;
        while (end < changes.size() && changes[end].measure == changes[first].measure &&
               changes[end].position == changes[first].position)
            latest = std::max(latest, changes[end++].writtenPosition);
        for (int i = first; i < end; ++i)
            if (changes[i].writtenPosition == latest) changes[kept++] = changes[i];
        first = end;
    }
    changes.count = kept;
}

int lastMeasureOf(const Chart& chart) {
    int last = 0;
    for (const Lane& lane : chart.sourceLanes)
        for (const ChartObject& object : lane) last = std::max<int>({last, object.measure, object.endMeasure});
    for (const ChartEvent& event : chart.bgm) last = std::max<int>(last, event.measure);
    return last;
}

}  // namespace

void arrangeChart(Chart& chart, bool symmetry) {
    scaleMeasurePositions(chart);
    for (int lane = 0; lane < kLaneCount; ++lane)
        if (!laneInUse(chart.keyMode, lane) || (symmetry && replacedBySymmetry(chart.keyMode, lane)))
            moveLaneToBgm(chart, lane);

    for (Lane& lane : chart.sourceLanes) chart.noteCount -= sortLaneMarkingDoubles(lane);
    sortByPosition(chart.bgm);
    sortByPosition(chart.bgaBase);
    sortByPosition(chart.bgaPoor);
    sortByPosition(chart.bgaLayer);
    sortByPosition(chart.tempoChanges);
    dropTempoChangesOvertakenOnTheGrid(chart);
    sortByPosition(chart.stops);
    std::stable_sort(chart.measureLengths.begin(), chart.measureLengths.end(),
                     [](const MeasureLength& a, const MeasureLength& b) { return a.measure < b.measure; });

    chart.lastMeasure = std::int16_t(lastMeasureOf(chart));
    chart.totalLength = 0;
    for (int measure = 0; measure <= chart.lastMeasure; ++measure) chart.totalLength += chart.measureLengthOf(measure);
}

}  // namespace kv
