#include "play/stops.h"

#include <algorithm>

#include "chart/chart_timing.h"

namespace kv {

void startDueStops(PlayContext& ctx) {
    StopState& stop = ctx.play.stop;
    const Cursor& now = ctx.play.playCursor;
    const auto& stops = ctx.chart.stops;
    while (stop.next < stops.size() && stops[stop.next].measure <= now.measure && stops[stop.next].position <= now.step) {
        stop.remainingMs += stopSeconds(stops[stop.next].length, ctx.chart.playTempo) * 1000.0;
        ++stop.next;
    }
}

bool stopped(const Play& play) { return play.stop.remainingMs > 0; }

double nextStepMs(const Play& play) {
    return stopped(play) ? std::min(play.stop.remainingMs, play.tempo.msPerStep) : play.tempo.msPerStep;
}

void spendStopStep(Play& play) { play.stop.remainingMs = std::max(0.0, play.stop.remainingMs - play.tempo.msPerStep); }

}  // namespace kv
