#pragma once
// What the play benchmarks run on: a dense seven-key chart built in memory
// and a sound sink that plays nothing, so only the engine's own work is timed.
#include <cstdint>

#include "chart/chart.h"
#include "play/play_sound.h"

namespace kv::bench {

class SilentSound : public PlaySound {
public:
    void playSample(int) override {}
    void playSampleLow(int) override {}
    void startMusic() override {}
};

// Sixteenth notes on all seven keys and the turntable for `measures`
// measures at 150 BPM; with `background`, a background sample under each.
inline void fillDenseChart(Chart& chart, int measures, bool background) {
    chart.keyMode = SevenKeys;
    chart.baseTempo = chart.playTempo = 150.0;
    chart.rank = 2;
    for (int measure = 0; measure < measures; ++measure)
        for (int sixteenth = 0; sixteenth < 16; ++sixteenth) {
            const auto position = std::int16_t(sixteenth * 18);
            for (int lane = 0; lane < 8; ++lane) {
                chart.playLanes[std::size_t(lane)].push(
                    ChartObject{std::int16_t(measure), position, std::int16_t(lane + 1), NoteKind::Normal});
                ++chart.noteCount;
            }
            if (background) chart.bgm.push(ChartEvent{std::int16_t(measure), position, 9});
        }
    chart.lastMeasure = measures - 1;
}

}  // namespace kv::bench
