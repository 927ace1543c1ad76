#include "screens/results/result_flow.h"

#include <algorithm>

namespace kv {

namespace {

constexpr int kCounterStagger = 12;
constexpr int kBarGrowth = 2;

bool isSkipKey(ResultKeyKind kind) {
    return kind == ResultKeyKind::Escape || kind == ResultKeyKind::Space || kind == ResultKeyKind::Enter;
}

void finishRolling(ResultFlow& flow) {
    flow.counters.fill(kCounterFull);
    flow.barHeight = kBarFull;
}

void stepRolling(ResultFlow& flow, std::span<const ResultKey> pressed) {
    if (std::any_of(pressed.begin(), pressed.end(), [](const ResultKey& k) { return isSkipKey(k.kind); }))
        finishRolling(flow);
    if (flow.counters[CounterGrade] >= kCounterFull)
        flow.phase = flow.takesName ? ResultPhase::NameEntry : ResultPhase::Waiting;
}

int stepWaiting(const ResultFlow& flow, std::span<const ResultKey> pressed) {
    for (const ResultKey& key : pressed) {
        if (isSkipKey(key.kind)) return ResultGoOn;
        if (key.kind == ResultKeyKind::Tab && flow.allowsRestart) return ResultRestart;
        if (key.kind == ResultKeyKind::Symbol && key.symbol == 'S' && flow.offersReplay) return ResultSaveReplay;
    }
    return ResultNothing;
}

void stepNameEntry(ResultFlow& flow, std::span<const ResultKey> pressed) {
    // Two character keys in the same step are taken as a slip and enter nothing.
    const auto symbols = std::count_if(pressed.begin(), pressed.end(),
                                       [](const ResultKey& k) { return k.kind == ResultKeyKind::Symbol; });
    for (const ResultKey& key : pressed) {
        switch (key.kind) {
            case ResultKeyKind::Symbol:
                if (symbols == 1) applyNameKey(flow.name, NameKey::Character, key.symbol);
                break;
            case ResultKeyKind::Erase: applyNameKey(flow.name, NameKey::Erase); break;
            case ResultKeyKind::Space:
            case ResultKeyKind::Advance: applyNameKey(flow.name, NameKey::Advance); break;
            case ResultKeyKind::Enter:
                if (applyNameKey(flow.name, NameKey::Confirm)) {
                    flow.nameAccepted = true;
                    flow.phase = ResultPhase::Waiting;
                    return;
                }
                break;
            default: break;
        }
    }
}

}  // namespace

ResultFlow startResultFlow(bool takesName, bool offersReplay, const std::string& nameSetting) {
    ResultFlow flow;
    for (int i = 0; i < kResultCounters; ++i) flow.counters[i] = -kCounterStagger * i;
    flow.takesName = takesName;
    flow.offersReplay = offersReplay;
    flow.name = startNameEntry(nameSetting);
    return flow;
}

int stepResultFlow(ResultFlow& flow, std::span<const ResultKey> pressed) {
    flow.blink = (flow.blink + 1) % (kBlinkPeriod + 1);
    for (int& counter : flow.counters) counter = std::min(counter + 1, kCounterFull);
    flow.barHeight = std::min(flow.barHeight + kBarGrowth, kBarFull);
    switch (flow.phase) {
        case ResultPhase::Rolling: stepRolling(flow, pressed); return ResultNothing;
        case ResultPhase::Waiting: return stepWaiting(flow, pressed);
        case ResultPhase::NameEntry: stepNameEntry(flow, pressed); return ResultNothing;
    }
    return ResultNothing;
}

}  // namespace kv
