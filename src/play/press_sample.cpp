#include "play/press_sample.h"

namespace kv {

int pressSample(const Play& play, const Chart& chart, int lane) {
    const LaneState& state = play.lanes[std::size_t(lane)];
    const Lane& notes = chart.playLanes[std::size_t(lane)];
    int index = state.lineIndex;
    if (!state.switchPassed || index >= notes.size()) --index;
    if (index < 0 || index >= notes.size()) return 0;
    return notes[index].sample;
}

void soundPress(PlayContext& ctx, int lane, bool offPitch) {
    const int sample = pressSample(ctx.play, ctx.chart, lane);
    if (sample == 0) return;
    if (offPitch) ctx.sound.playSampleLow(sample);
    else ctx.sound.playSample(sample);
}

}  // namespace kv
