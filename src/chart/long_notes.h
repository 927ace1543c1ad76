#pragma once
// Long notes as charts write them, turned into one note of a lane with an
// end: a pair of objects on channels 51-69 (#LNTYPE 1), a run of objects
// there (#LNTYPE 2), or an #LNOBJ object that ends the lane's previous note.
#include <array>
#include <bitset>
#include <cstdint>
#include <vector>

#include "chart/chart.h"

namespace kv {

// One object of a long-note channel and the end of its cell.
struct LongNoteMark {
    std::int16_t measure = 0;
    std::int16_t position = 0;
    std::int16_t sample = 0;
    std::int16_t cellEndMeasure = 0;
    std::int16_t cellEndPosition = 0;
};

struct LongNoteSource {
    int lnType = 1;
    std::array<std::vector<LongNoteMark>, kLaneCount> marks;  // by lane, in file order
    std::bitset<kBgaDefCount> endObjects;                     // #LNOBJ values

    bool empty() const;
};

// Runs on the positions as read, before arrangeChart. Pairs the marks into
// long notes (an unpaired start stays a plain note), lets #LNOBJ objects end
// the plain note before them (an end with no note to close is dropped), and
// makes every note that begins inside a long note of its lane (from its head
// up to its end) a background sound: nobody can press a key that is held.
void buildLongNotes(Chart& chart, const LongNoteSource& source);

}  // namespace kv
