#include "chart/long_notes.h"

#include "chart/chart_order.h"

namespace kv {
namespace {

struct Place {
    std::int16_t measure = 0;
    std::int16_t position = 0;
};

template <class Entry>
Place placeOf(const Entry& entry) {
    return {entry.measure, entry.position};
}

ChartObject longNote(const LongNoteMark& head, Place end) {
    ChartObject note{head.measure, head.position, head.sample, NoteKind::Normal};
    // A long note that ends where it starts is a plain note.
    if (earlier(placeOf(head), end)) {
        note.endMeasure = end.measure;
        note.endPosition = end.position;
    }
    return note;
}

void addNote(Chart& chart, Lane& lane, const ChartObject& note) {
    if (lane.push(note)) ++chart.noteCount;
}

// #LNTYPE 1: start, end, start, end, ...
void pairMarks(Chart& chart, Lane& lane, const std::vector<LongNoteMark>& marks) {
    for (std::size_t i = 0; i < marks.size(); i += 2) {
        const LongNoteMark& head = marks[i];
        const Place end = placeOf(i + 1 < marks.size() ? marks[i + 1] : head);
        addNote(chart, lane, longNote(head, end));
    }
}

// #LNTYPE 2: cells that follow each other without a gap hold one long note
// to the end of the last cell.
void joinRuns(Chart& chart, Lane& lane, const std::vector<LongNoteMark>& marks) {
    for (std::size_t i = 0; i < marks.size();) {
        std::size_t last = i;
        while (last + 1 < marks.size() && marks[last].cellEndMeasure == marks[last + 1].measure &&
               marks[last].cellEndPosition == marks[last + 1].position)
            ++last;
        addNote(chart, lane, longNote(marks[i], Place{marks[last].cellEndMeasure, marks[last].cellEndPosition}));
        i = last + 1;
    }
}

void closeByEndObjects(Chart& chart, Lane& lane, const std::bitset<kBgaDefCount>& endObjects) {
    sortByPosition(lane);
    int kept = 0;
    int open = -1;  // the plain note an end object may close
    for (int i = 0; i < lane.size(); ++i) {
        const ChartObject object = lane[i];
        const bool endObject = object.kind == NoteKind::Normal && object.sample > 0 &&
                               object.sample < kBgaDefCount && endObjects[std::size_t(object.sample)];
        if (!endObject) {
            lane[kept] = object;
            if (object.kind == NoteKind::Normal) open = kept;
            ++kept;
            continue;
        }
        --chart.noteCount;  // the end was counted as a note when read
        if (open >= 0 && earlier(lane[open], object)) {
            lane[open].endMeasure = object.measure;
            lane[open].endPosition = object.position;
        }
        open = -1;
    }
    lane.count = kept;
}

// From the head up to, not including, the end: a note right at the end can
// be played by letting go inside the end's window.
bool heldOver(const ChartObject& longNote, const ChartObject& object) {
    return !earlier(object, longNote) && earlier(placeOf(object), Place{longNote.endMeasure, longNote.endPosition});
}

void moveHeldOverNotesToBgm(Chart& chart, Lane& lane) {
    // At one place the long note comes first and keeps it.
    std::stable_sort(lane.begin(), lane.end(), [](const ChartObject& a, const ChartObject& b) {
        return earlier(a, b) || (!earlier(b, a) && a.isLong() && !b.isLong());
    });
    int kept = 0;
    int holding = -1;
    for (int i = 0; i < lane.size(); ++i) {
        const ChartObject object = lane[i];
        if (object.kind == NoteKind::Normal && holding >= 0 && heldOver(lane[holding], object)) {
            chart.bgm.push({object.measure, object.position, object.sample});
            --chart.noteCount;
            continue;
        }
        lane[kept] = object;
        if (object.isLong()) holding = kept;
        ++kept;
    }
    lane.count = kept;
}

}  // namespace

bool LongNoteSource::empty() const {
    if (endObjects.any()) return false;
    for (const auto& lane : marks)
        if (!lane.empty()) return false;
    return true;
}

void buildLongNotes(Chart& chart, const LongNoteSource& source) {
    if (source.empty()) return;
    for (int laneNumber = 0; laneNumber < kLaneCount; ++laneNumber) {
        Lane& lane = chart.sourceLanes[std::size_t(laneNumber)];
        if (source.endObjects.any()) closeByEndObjects(chart, lane, source.endObjects);
        std::vector<LongNoteMark> marks = source.marks[std::size_t(laneNumber)];
        std::stable_sort(marks.begin(), marks.end(), [](const auto& a, const auto& b) { return earlier(a, b); });
        if (source.lnType == 2) joinRuns(chart, lane, marks);
        else pairMarks(chart, lane, marks);
        moveHeldOverNotesToBgm(chart, lane);
    }
}

}  // namespace kv
