#include <gtest/gtest.h>

#include <vector>

#include "screens/results/result_flow.h"

namespace kv {
namespace {

int step(ResultFlow& flow, std::vector<ResultKey> keys = {}) { return stepResultFlow(flow, keys); }
ResultKey symbol(char c) { return {ResultKeyKind::Symbol, c}; }

TEST(ResultFlow, FiguresPopUpTwelveStepsApartAndTheBarGrowsTwoPixelsAStep) {
    ResultFlow flow = startResultFlow(false, false, "****");
    for (int i = 0; i < 13; ++i) step(flow);
    EXPECT_EQ(flow.counters[CounterNotes], 13);
    EXPECT_EQ(flow.counters[CounterCool], 1);
    EXPECT_EQ(flow.counters[CounterGreat], -11);
    EXPECT_EQ(flow.barHeight, 26);
    EXPECT_EQ(flow.phase, ResultPhase::Rolling);
}

TEST(ResultFlow, RollingEndsWhenTheGradeTileIsFull) {
    ResultFlow flow = startResultFlow(false, false, "****");
    int steps = 0;
    while (flow.phase == ResultPhase::Rolling) {
        ASSERT_EQ(step(flow), ResultNothing);
        ++steps;
    }
    EXPECT_EQ(steps, 9 * 12 + kCounterFull);
    EXPECT_EQ(flow.barHeight, kBarFull);
    EXPECT_EQ(flow.phase, ResultPhase::Waiting);
}

TEST(ResultFlow, SkipKeyFinishesRollingAndQualifiedRunsTakeAName) {
    for (auto kind : {ResultKeyKind::Escape, ResultKeyKind::Space, ResultKeyKind::Enter}) {
        ResultFlow flow = startResultFlow(true, false, "****");
        step(flow);
        EXPECT_EQ(step(flow, {{kind}}), ResultNothing);
        EXPECT_EQ(flow.counters[CounterGrade], kCounterFull);
        EXPECT_EQ(flow.barHeight, kBarFull);
        EXPECT_EQ(flow.phase, ResultPhase::NameEntry);
    }
    ResultFlow tab = startResultFlow(false, false, "****");
    step(tab, {{ResultKeyKind::Tab}});
    EXPECT_EQ(tab.phase, ResultPhase::Rolling) << "only Escape, Space and Enter skip";
}

ResultFlow waiting(bool offersReplay) {
    ResultFlow flow = startResultFlow(false, offersReplay, "****");
    step(flow, {{ResultKeyKind::Enter}});
    return flow;
}

TEST(ResultFlow, WaitingKeysChooseHowToLeave) {
    struct Case { ResultKey key; bool offersReplay; int result; };
    const Case cases[] = {
        {{ResultKeyKind::Escape}, false, ResultGoOn},  {{ResultKeyKind::Space}, false, ResultGoOn},
        {{ResultKeyKind::Enter}, false, ResultGoOn},   {{ResultKeyKind::Tab}, false, ResultRestart},
        {symbol('S'), true, ResultSaveReplay},         {symbol('S'), false, ResultNothing},
        {symbol('A'), true, ResultNothing},            {{ResultKeyKind::Erase}, true, ResultNothing},
    };
    for (const auto& c : cases) {
        ResultFlow flow = waiting(c.offersReplay);
        EXPECT_EQ(step(flow, {c.key}), c.result) << int(c.key.kind) << " " << c.key.symbol;
    }
    ResultFlow course = waiting(false);
    course.allowsRestart = false;
    EXPECT_EQ(step(course, {{ResultKeyKind::Tab}}), ResultNothing);
}

TEST(ResultFlow, NameEntryStoresTheTypedNameAndMovesOnToWaiting) {
    ResultFlow flow = startResultFlow(true, false, "****");
    step(flow, {{ResultKeyKind::Enter}});
    step(flow, {symbol('A')});
    step(flow, {symbol('B')});
    step(flow, {symbol('X'), symbol('Y')});  // two at once: a slip, nothing entered
    step(flow, {symbol('1')});
    EXPECT_EQ(step(flow, {{ResultKeyKind::Enter}}), ResultNothing) << "Enter ends the name, not the screen";
    EXPECT_TRUE(flow.nameAccepted);
    EXPECT_EQ(std::string(flow.name.name.begin(), flow.name.name.end()), "AB1 ");
    EXPECT_EQ(flow.phase, ResultPhase::Waiting);
    EXPECT_EQ(step(flow, {{ResultKeyKind::Enter}}), ResultGoOn);
}

TEST(ResultFlow, NameEntryIgnoresEnterOnAnEmptyNameAndLeavingKeys) {
    ResultFlow flow = startResultFlow(true, true, "****");
    step(flow, {{ResultKeyKind::Escape}});
    EXPECT_EQ(step(flow, {{ResultKeyKind::Enter}}), ResultNothing);
    EXPECT_EQ(step(flow, {{ResultKeyKind::Escape}}), ResultNothing);
    EXPECT_EQ(step(flow, {{ResultKeyKind::Tab}}), ResultNothing);
    EXPECT_EQ(flow.phase, ResultPhase::NameEntry);
    step(flow, {{ResultKeyKind::Space}});
    step(flow, {symbol('S')});  // a letter here, not the replay key
    EXPECT_EQ(std::string(flow.name.name.begin(), flow.name.name.end()), " S  ");
}

TEST(ResultFlow, BlinkCounterWraps) {
    ResultFlow flow = startResultFlow(false, false, "****");
    for (int i = 0; i < kBlinkPeriod; ++i) step(flow);
    EXPECT_EQ(flow.blink, kBlinkPeriod);
    step(flow);
    EXPECT_EQ(flow.blink, 0);
}

}  // namespace
}  // namespace kv
