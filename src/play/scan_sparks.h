#pragma once
// SCAN2's sparks: what is left where a note was hit or missed. They stand
// in the sweep like notes, drift a little and fade.
#include <array>
#include <cstdint>

namespace kv {

constexpr int kScanSparkSlots = 100;

struct ScanSpark {
    bool used = false;
    std::int32_t cell = 0;   // SCAN2 sheet cell
    float sweep = 0;         // x in sweep units, as a note's 384 - offset + scan position
    std::int32_t row = 0;    // y on the screen
    std::int32_t dx = 0, dy = 0;  // drift so far, in pixels
    std::int32_t vx = 0, vy = 0;  // drift per move
    std::int32_t age = 0;
};

struct ScanSparks {
    std::array<ScanSpark, kScanSparkSlots> slots{};
    float lastScanPosition = 0;  // to notice the sweep starting over
};

// Takes a free slot; a full pool drops the spark.
void addScanSpark(ScanSparks& sparks, const ScanSpark& spark);

// When the sweep starts over every note jumps back by its width; the
// sparks go with them.
void followScanSweep(ScanSparks& sparks, float scanPosition);

// Every second animation tick: sparks age, move on even ages and vanish
// after 14.
void tickScanSparks(ScanSparks& sparks);

}  // namespace kv
