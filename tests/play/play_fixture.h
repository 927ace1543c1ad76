#pragma once
// A small chart, a play state and a sound recorder, to drive play logic
// step by step without a window.
#include <memory>
#include <vector>

#include "chart/chart.h"
#include "play/logic_step.h"
#include "play/play_context.h"
#include "play/run_start.h"

namespace kv::test {

struct SoundEvent {
    enum Kind { Normal, Low, Music } kind;
    int sample;
    long step;  // logic step (0 = first step after the pre-roll) when it sounded
    bool operator==(const SoundEvent&) const = default;
};

class RecordingSound : public PlaySound {
public:
    explicit RecordingSound(const long& stepCounter) : step_(stepCounter) {}
    void playSample(int sample) override { events.push_back({SoundEvent::Normal, sample, step_}); }
    void playSampleLow(int sample) override { events.push_back({SoundEvent::Low, sample, step_}); }
    void startMusic() override { events.push_back({SoundEvent::Music, 0, step_}); }

    std::vector<int> samplesAt(long step) const {
        std::vector<int> samples;
        for (const SoundEvent& event : events)
            if (event.step == step && event.kind != SoundEvent::Music) samples.push_back(event.sample);
        return samples;
    }
    std::vector<SoundEvent> events;

private:
    const long& step_;
};

// Index (from 0, after the pre-roll) of the logic step in which the play
// cursor arrives at chart step `absolute` and fires its events. A note
// there stands at the line (y 402) after that step.
constexpr long stepIndexAt(long absolute) { return 785 - 204 - 1 + absolute; }

class PlayFixture {
public:
    PlayFixture() {
        chart->baseTempo = chart->playTempo = 130.0;
        chart->rank = 2;
        chart->gaugeGain = 1.0f;
        chart->gaugeLoss = 3.5f;
        chart->scoreTarget = 170000;
    }

    PlayContext context() {
        return PlayContext{*play, *chart, config, sound, [this] { return nextRandom(); }, mission};
    }

    void addNote(int lane, int measure, int position, int sample, NoteKind kind = NoteKind::Normal) {
        chart->playLanes[std::size_t(lane)].push(
            ChartObject{std::int16_t(measure), std::int16_t(position), std::int16_t(sample), kind});
        if (kind == NoteKind::Normal) ++chart->noteCount;
        extendTo(measure);
    }
    void addBgm(int measure, int position, int sample) {
        chart->bgm.push(ChartEvent{std::int16_t(measure), std::int16_t(position), std::int16_t(sample)});
        extendTo(measure);
    }
    void extendTo(int measure) {
        if (measure > chart->lastMeasure) chart->lastMeasure = std::int16_t(measure);
    }

    void start(bool continueCourse = false) {
        PlayContext ctx = context();
        startRun(ctx, continueCourse);
        steps = 0;
    }
    void step(const StepInput& input = {}) {
        PlayContext ctx = context();
        runLogicStep(ctx, input);
        ++steps;
    }
    // Runs steps until the play cursor stands on chart step `absolute`.
    void stepToCursor(long absolute) {
        while (steps <= stepIndexAt(absolute)) step();
    }
    // A press of one lane: down for one step, then up.
    void press(int lane, int state = 1) {
        StepInput down;
        down.lanes[std::size_t(lane)] = std::int8_t(state);
        step(down);
        step();
    }

    int nextRandom() {
        randomState = randomState * 214013u + 2531011u;
        return int((randomState >> 16) & 0x7FFF);
    }

    std::unique_ptr<Chart> chart = std::make_unique<Chart>();
    std::unique_ptr<Play> play = std::make_unique<Play>();
    PlayConfig config;
    const PlayMission* mission = nullptr;  // puzzle play
    long steps = 0;
    RecordingSound sound{steps};
    unsigned randomState = 1;
};

}  // namespace kv::test
