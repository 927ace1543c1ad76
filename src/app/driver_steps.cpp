#include "app/driver_steps.h"

#include "platform/events.h"

namespace kv {

bool quitting() { return platform::quitRequested(); }

float gaugeAfterPlay(const PlayFacts& facts, int lastMeasure, bool always) {
    const bool stoppedEarly = facts.measure <= lastMeasure;
    if (!stoppedEarly || (!always && facts.replayActive != 0)) return facts.gauge;
    if (facts.autoplayActive != 1 || facts.endState == kEndAbandoned) return 0.0f;
    return facts.gauge;
}

void applyGaugeRule(const SceneTable& scenes, bool always) {
    scenes.setGauge(gaugeAfterPlay(scenes.playFacts(), scenes.chartLastMeasure(), always));
}

void chartTeardown(const SceneTable& scenes) {
    scenes.stopMusic();
    releaseStage(scenes);
}

void releaseStage(const SceneTable& scenes) {
    scenes.stopChartSamples();
    scenes.closeMusic();
    scenes.releaseChartMedia();
}

}  // namespace kv
