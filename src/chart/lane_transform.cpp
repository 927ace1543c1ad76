#include "chart/lane_transform.h"

#include <algorithm>
#include <array>
#include <span>
#include <utility>

#include "chart/chart_order.h"

namespace kv {

namespace {

constexpr int kAutoplayEffect = 2;

// The lanes that take part in a permutation and where each one goes.
class LanePermutation {
public:
    LanePermutation(int keyMode, bool withTurntable, const RandomSource& random) : random_(random) {
        const bool sevenKeys = keyMode == SevenKeys || keyMode == FourteenKeys;
        const bool twoSided = keyMode == TenKeys || keyMode == FourteenKeys;
        for (int side = 0; side < (twoSided ? 2 : 1); ++side) {
            const int first = side * 8;
            if (withTurntable) add(first);
            for (int key = 1; key <= (sevenKeys ? 7 : 5); ++key) add(first + key);
        }
        targets_ = lanes_;
        rebuildMap();
    }

    void mirror() {
        for (int i = 0; i < count_ / 2; ++i) std::swap(targets_[std::size_t(i)], targets_[std::size_t(count_ - 1 - i)]);
        rebuildMap();
    }

    void rotate() {
        const int r = random_() % count_;
        for (int i = 0; i < count_; ++i) targets_[std::size_t(i)] = lanes_[std::size_t((i + r) % count_)];
        rebuildMap();
    }

    void reshuffle() {
        for (int i = 0; i < count_; ++i) {
            const int a = random_() % count_;
            const int b = random_() % count_;
            std::swap(targets_[std::size_t(a)], targets_[std::size_t(b)]);
        }
        rebuildMap();
    }

    int targetOf(int lane) const { return map_[std::size_t(lane)]; }

private:
    void add(int lane) { lanes_[std::size_t(count_++)] = lane; }

    void rebuildMap() {
        for (int lane = 0; lane < kLaneCount; ++lane) map_[std::size_t(lane)] = lane;
        for (int i = 0; i < count_; ++i) map_[std::size_t(lanes_[std::size_t(i)])] = targets_[std::size_t(i)];
    }

    const RandomSource& random_;
    std::array<int, kLaneCount> lanes_{};
    std::array<int, kLaneCount> targets_{};
    std::array<int, kLaneCount> map_{};
    int count_ = 0;
};

// Copies the notes in time order, so that SHUFFLE can change the
// permutation between measures and PANIC between chords. Time moves through
// the steps of each measure (the last measure gets one more step, so notes
// of a final measure of length 0 have a step to fall on); only the steps at
// which some lane's next note falls due are visited.
void copyInTimeOrder(Chart& chart, LanePermutation& permutation, int base) {
    std::array<int, kLaneCount> next{};
    // A note falls due on the first step not before it.
    auto copyDueNotes = [&](int measure, int step) {
        bool copiedAtStep = false;
        for (int lane = 0; lane < kLaneCount; ++lane) {
            const Lane& source = chart.sourceLanes[std::size_t(lane)];
            int& i = next[std::size_t(lane)];
            for (; i < source.count; ++i) {
                const ChartObject& note = source[i];
                if (note.measure > measure || (note.measure == measure && note.position > step)) break;
                if (base == ObjectPanic && !copiedAtStep) permutation.reshuffle();
                copiedAtStep = true;
                chart.playLanes[std::size_t(permutation.targetOf(lane))].push(note);
            }
        }
    };
    // The first step from `from` on, below `length`, at which a note of
    // `measure` or earlier is due; -1 when there is none.
    auto nextDueStep = [&](int measure, int from, int length) {
        int due = -1;
        for (int lane = 0; lane < kLaneCount; ++lane) {
            const Lane& source = chart.sourceLanes[std::size_t(lane)];
            const int i = next[std::size_t(lane)];
            if (i >= source.count || source[i].measure > measure) continue;
            const int step = source[i].measure < measure ? from : std::max<int>(source[i].position, from);
            if (step < length && (due < 0 || step < due)) due = step;
        }
        return due;
    };
    const MeasureLengthTable lengths(chart);
    for (int measure = 0; measure <= chart.lastMeasure; ++measure) {
        const int length = lengths.of(measure);
        for (int step = nextDueStep(measure, 0, length); step >= 0; step = nextDueStep(measure, step + 1, length))
            copyDueNotes(measure, step);
        if (base == ObjectShuffle && length == kStandardMeasure) permutation.reshuffle();
    }
    copyDueNotes(chart.lastMeasure, kStandardMeasure);
}

// SYMMETRY: the right-hand lanes of each side become copies of their mirror
// lanes (the loader has emptied them). Pairs are (target, source).
void foldSymmetric(Chart& chart) {
    static constexpr std::pair<int, int> fiveKeys[] = {{5, 1}, {4, 2}};
    static constexpr std::pair<int, int> sevenKeys[] = {{7, 1}, {6, 2}, {5, 3}};
    static constexpr std::pair<int, int> tenKeys[] = {{13, 1}, {12, 2}, {11, 3}, {10, 4}, {9, 5}, {8, 0}};
    static constexpr std::pair<int, int> fourteenKeys[] = {{15, 1}, {14, 2}, {13, 3}, {12, 4},
                                                           {11, 5}, {10, 6}, {9, 7},  {8, 0}};
    std::span<const std::pair<int, int>> pairs;
    switch (chart.keyMode) {
        case FiveKeys: pairs = fiveKeys; break;
        case SevenKeys: pairs = sevenKeys; break;
        case TenKeys: pairs = tenKeys; break;
        default: pairs = fourteenKeys; break;
    }
    for (const auto& [target, source] : pairs) {
        for (const ChartObject& note : chart.playLanes[std::size_t(source)]) {
            // Only notes that must be hit count; copies of invisible or
            // doubled notes never did.
            if (chart.playLanes[std::size_t(target)].push(note) && note.kind == NoteKind::Normal) ++chart.noteCount;
        }
    }
}

void handTurntableToGame(Chart& chart) {
    for (int lane : {0, 8}) {
        for (ChartObject& note : chart.playLanes[std::size_t(lane)]) {
            if (note.kind == NoteKind::Invisible) continue;
            if (note.kind == NoteKind::Normal) --chart.noteCount;
            note.kind = NoteKind::Auto;
        }
    }
}

}  // namespace

void transformLanes(Chart& chart, int object, int autoplay, const RandomSource& random) {
    if (object < 0 || object > ObjectSymmetry) object = ObjectNormal;
    const bool withTurntable = object >= 6 && object <= 10;
    const int base = withTurntable ? object - 5 : object;

    for (Lane& lane : chart.playLanes) lane.clear();
    LanePermutation permutation(chart.keyMode, withTurntable, random);
    if (base == ObjectMirror) permutation.mirror();
    if (base == ObjectRandom || base == ObjectShuffle) permutation.reshuffle();
    if (base == ObjectRotate) permutation.rotate();

    copyInTimeOrder(chart, permutation, base);
    if (base == ObjectSymmetry) foldSymmetric(chart);
    if (autoplay == kAutoplayEffect) handTurntableToGame(chart);
    for (Lane& lane : chart.playLanes) chart.noteCount -= sortLaneMarkingDoubles(lane);
}

}  // namespace kv
