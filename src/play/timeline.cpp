#include "play/timeline.h"

#include "play/replay_playback.h"
#include "play/run_outcome.h"
#include "play/scroll_speed.h"
#include "play/stops.h"
#include "play/tempo.h"

namespace kv {
namespace {

constexpr float kScanWidth = 576.0f;
constexpr int kNoteAnimSteps = 13;
constexpr int kRandomSpeeds = 6;

bool reached(int measure, int position, const Cursor& now) {
    return measure <= now.measure && position <= now.step;
}

// Fires every event of a sorted list that the play cursor has reached.
template <class List, class Action>
void fireEvents(const List& list, std::int32_t& index, const Cursor& now, Action action) {
    while (index < list.size() && reached(list[index].measure, list[index].position, now)) {
        action(list[index]);
        ++index;
    }
}

// A picture event names a "#BGAxx" definition when the chart defines it,
// otherwise a bitmap: its two base-36 digits read as hexadecimal digits,
// which is how the loader numbers bitmaps.
void showPicture(const Chart& chart, int value, std::uint16_t& shown, bool& isDef) {
    isDef = value >= 0 && value < kBgaDefCount && chart.bgaDefs[std::size_t(value)].defined;
    shown = std::uint16_t(isDef ? value : (value / 36) * 16 + value % 36);
}

void pickRandomSpeed(PlayContext& ctx) {
    SpeedState& speed = ctx.play.speed;
    speed.previousRandomSpeedIndex = speed.randomSpeedIndex;
    speed.randomSpeedIndex = ctx.random() % kRandomSpeeds;
    if (speed.randomSpeedIndex != speed.previousRandomSpeedIndex) speed.speedBlend = 128;
}

void advancePlayCursor(PlayContext& ctx) {
    Play& play = ctx.play;
    if (advanceCursor(play.playCursor, ctx.chart) && ctx.config.speed == kSpeedRandom) pickRandomSpeed(ctx);
    const Cursor& now = play.playCursor;
    if (now.measure < 0) play.playAbsStep = 0;
    else if (now.step == 0) play.playAbsStep = absoluteStep(play.measureStarts, now.measure, 0);
    else ++play.playAbsStep;

    for (LaneState& lane : play.lanes)
        if (!lane.switchPassed && lane.switchAbsStep < play.playAbsStep) lane.switchPassed = true;
}

void firePlayCursorEvents(PlayContext& ctx) {
    Play& play = ctx.play;
    const Chart& chart = ctx.chart;
    const Cursor& now = play.playCursor;
    // The accompaniment starts with the count-in's last measure and again,
    // from its beginning, with the chart's first.
    if ((now.measure == -1 || now.measure == 0) && now.step == 0) ctx.sound.startMusic();

    PictureState& pictures = play.pictures;
    fireEvents(chart.bgm, play.events.bgm, now, [&](const ChartEvent& e) { ctx.sound.playSample(e.value); });
    fireEvents(chart.bgaBase, play.events.bgaBase, now, [&](const ChartEvent& e) {
        showPicture(chart, e.value, pictures.shownBase, pictures.shownBaseIsDef);
    });
    fireEvents(chart.bgaLayer, play.events.bgaLayer, now, [&](const ChartEvent& e) {
        showPicture(chart, e.value, pictures.shownLayer, pictures.shownLayerIsDef);
        if (pictures.shownBase == kNoPicture) pictures.shownBase = kBlankPicture;
    });
    fireEvents(chart.bgaPoor, play.events.bgaPoor, now, [&](const ChartEvent& e) {
        showPicture(chart, e.value, pictures.shownPoor, pictures.shownPoorIsDef);
    });

    // At most one tempo change a step, so two at one position take two steps.
    std::int32_t& tempoIndex = play.events.tempo;
    if (tempoIndex < chart.tempoChanges.size()) {
        const TempoChange& change = chart.tempoChanges[tempoIndex];
        if (reached(change.measure, change.position, now)) {
            applyTempo(ctx, change.bpm);
            ++tempoIndex;
        }
    }
}

}  // namespace

bool advanceCursor(Cursor& cursor, const Chart& chart) {
    ++cursor.step;
    const auto& lengths = chart.measureLengths;
    const bool listed = cursor.lengthIndex < lengths.size() && lengths[cursor.lengthIndex].measure == cursor.measure;
    const int length = listed ? lengths[cursor.lengthIndex].length : kStandardMeasure;
    if (cursor.step < length) return false;
    ++cursor.measure;
    cursor.step = 0;
    while (cursor.lengthIndex < lengths.size() && lengths[cursor.lengthIndex].measure < cursor.measure)
        ++cursor.lengthIndex;
    return true;
}

void rewindTimeline(PlayContext& ctx) {
    Play& play = ctx.play;
    const Chart& chart = ctx.chart;
    buildMeasureStarts(chart, play.measureStarts);
    play.spawnCursor = Cursor{};
    play.playCursor = Cursor{kPlayStartMeasure, kPlayStartStep, 0};
    play.playAbsStep = 0;
    play.events = EventIndices{};
    play.stop = StopState{};
    play.pictures = PictureState{};
    play.noteAnimCounter = 0;
    play.noteFrame = 0;
    play.speed.randomSpeedIndex = play.speed.previousRandomSpeedIndex = 2;
    play.speed.speedBlend = 0;
    for (int laneNumber = 0; laneNumber < kLaneCount; ++laneNumber) {
        LaneState& lane = play.lanes[std::size_t(laneNumber)];
        const Lane& notes = chart.playLanes[std::size_t(laneNumber)];
        lane.spawnIndex = lane.lineIndex = lane.playbackIndex = 0;
        lane.switchAbsStep = notes.empty() ? 0 : absoluteStep(play.measureStarts, notes[0].measure, notes[0].position) / 2;
        lane.switchPassed = false;
    }
    applyTempo(ctx, chart.baseTempo);
}

void timelineStep(PlayContext& ctx, bool preRoll) {
    Play& play = ctx.play;
    if (ctx.config.style == Scan2 && !preRoll) {
        play.scanPosition += speedMultiplier(ctx.config.speed);
        if (play.scanPosition >= kScanWidth) play.scanPosition -= kScanWidth;
    }
    advanceCursor(play.spawnCursor, ctx.chart);
    advancePlayCursor(ctx);
    firePlayCursorEvents(ctx);
    startDueStops(ctx);
    if (++play.noteAnimCounter >= kNoteAnimSteps) {
        play.noteAnimCounter = 0;
        play.noteFrame = (play.noteFrame + 1) % 4;
    }
    decideRunOutcome(ctx);
    switchIntoPlaybackWhenDue(ctx);
}

}  // namespace kv
