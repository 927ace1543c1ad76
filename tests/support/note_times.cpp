#include "support/note_times.h"

#include <algorithm>
#include <filesystem>
#include <memory>

#include "chart/chart_loader.h"
#include "chart/header_scan.h"
#include "play/play_config.h"
#include "play/scroll_speed.h"

namespace kv::test {

namespace {

// Where the play cursor stands when the clock starts: measure -3, step 79,
// moved on by the 204 pre-roll steps; counted in steps from measure 0.
constexpr int kCursorAtClockStart = -3 * kStandardMeasure + 79 + 204;
// A cleared run ends this many steps after it was decided.
constexpr int kStepsAfterDecision = 720;

// Timing needs no sound, picture or loading screen.
class NoMedia : public ChartMedia {
public:
    int loadSample(int, const std::string&) override { return 0; }
    void setSampleRate(int, double) override {}
    int loadPicture(int, const std::string&) override { return 1; }
    void pictureSize(int, int& width, int& height) const override { width = height = 0; }
    void loadStagePicture(const std::string&) override {}
    void openMidi(const std::string&) override {}
};

class NoScreen : public LoadingScreen {
public:
    void drawLine(int, const std::string&) override {}
    bool waitForKey() override { return true; }
};

// Absolute step of a chart position, measures of any length included.
class StepMap {
public:
    explicit StepMap(const Chart& chart) : chart_(chart) {}
    int at(int measure, int position) const {
        int step = 0;
        for (int m = 0; m < measure; ++m) step += chart_.measureLengthOf(m);
        return step + position;
    }

private:
    const Chart& chart_;
};

// The moment each logic step runs: the clock hands out sub-steps of the
// tempo in force, and every `substepsPerStep`-th sub-step is a step.
class StepClock {
public:
    StepClock(const Chart& chart, double substepsPerStep, int lastStep) {
        const StepMap steps(chart);
        const double rate = chart.playTempo / chart.baseTempo;  // the tempo options
        std::size_t nextChange = 0;
        double tempo = chart.playTempo;
        double ms = 0.0, substep = 1.0;
        dueMs_.push_back(0.0);
        for (int cursor = kCursorAtClockStart; cursor < lastStep;) {
            const double tickMs = 60000.0 / (tempo * 72.0) / substepsPerStep;
            ms += tickMs;
            substep += 1.0;
            if (substep < substepsPerStep) continue;
            substep -= substepsPerStep;
            ++cursor;
            dueMs_.push_back(ms);
            // At most one tempo change takes effect per step.
            if (nextChange < std::size_t(chart.tempoChanges.size())) {
                const TempoChange& change = chart.tempoChanges[nextChange];
                if (steps.at(change.measure, change.position) <= cursor) {
                    tempo = change.bpm * rate;
                    ++nextChange;
                }
            }
        }
    }
    // When the step that moves the cursor onto `step` runs.
    double cursorReachesMs(int step) const { return dueMs_.at(std::size_t(step - kCursorAtClockStart)); }

private:
    std::vector<double> dueMs_;
};

}  // namespace

bool loadChartTiming(const std::string& chartPath, const Settings& options, ChartTiming& timing) {
    const std::filesystem::path file(chartPath);
    ChartEntry entry;
    if (!scanChartHeader(entry, file.parent_path().string(), file.filename().string(), RankingPlace{}))
        return false;
    auto chart = std::make_unique<Chart>();
    NoMedia media;
    NoScreen screen;
    const LoadContext context{0, false, 0, [] { return 0; }};
    if (!loadChart(entry, *chart, options, context, media, screen)) return false;

    const StepMap steps(*chart);
    const int decisionStep = steps.at(chart->lastMeasure + 1, 0);
    const StepClock clock(*chart, initialSubsteps(playConfigFromSettings(options)),
                          decisionStep + kStepsAfterDecision);
    timing = ChartTiming{chart->keyMode, chart->noteCount, {},
                         clock.cursorReachesMs(decisionStep + kStepsAfterDecision)};
    for (int lane = 0; lane < kLaneCount; ++lane) {
        for (const ChartObject& note : chart->playLanes[std::size_t(lane)]) {
            if (note.kind != NoteKind::Normal) continue;
            // Judged exact one step after the cursor reached the note.
            const double endMs = note.isLong() ? clock.cursorReachesMs(steps.at(note.endMeasure, note.endPosition)) : 0.0;
            timing.notes.push_back({lane, clock.cursorReachesMs(steps.at(note.measure, note.position) + 1), endMs});
        }
    }
    std::stable_sort(timing.notes.begin(), timing.notes.end(),
                     [](const NoteTime& a, const NoteTime& b) { return a.ms < b.ms; });
    return true;
}

}  // namespace kv::test
