#pragma once
// What the result screen does step by step, apart from drawing: figures
// rolling in, the judgement bar growing, name entry and the leaving keys.
#include <array>
#include <span>
#include <string>

#include "screens/results/name_entry.h"

namespace kv {

// One counter per figure; each starts 12 steps after the one before.
enum ResultCounter : int {
    CounterNotes, CounterCool, CounterGreat, CounterGood, CounterBreak, CounterMiss,
    CounterCombo, CounterBonus, CounterScore, CounterGrade, kResultCounters
};
constexpr int kCounterFull = 32;  // the grade tile is fully grown
constexpr int kBarFull = 225;     // height of the judgement bar in pixels
constexpr int kBlinkPeriod = 50;

enum class ResultPhase { Rolling = 0, Waiting = 1, NameEntry = 2 };

// Results of the screen as the scene driver reads them.
enum ResultChoice : int { ResultNothing = 0, ResultGoOn = 1, ResultRestart = 2, ResultSaveReplay = 3 };

enum class ResultKeyKind { Escape, Space, Enter, Tab, Erase, Advance, Symbol };
struct ResultKey {
    ResultKeyKind kind;
    char symbol = 0;  // Symbol: a digit or a capital letter
};

struct ResultFlow {
    std::array<int, kResultCounters> counters{};
    int barHeight = 0;
    int blink = 0;
    ResultPhase phase = ResultPhase::Rolling;
    bool takesName = false;     // the run entered the ranking in free play
    bool offersReplay = false;  // REPLAY is ON and this run was recorded or played back
    bool allowsRestart = true;  // the course result screen has no restart
    NameEntry name;
    bool nameAccepted = false;
};

ResultFlow startResultFlow(bool takesName, bool offersReplay, const std::string& nameSetting);
// One 12 ms step with the keys newly pressed in it; returns a ResultChoice
// other than ResultNothing when the screen is left.
int stepResultFlow(ResultFlow& flow, std::span<const ResultKey> pressed);

}  // namespace kv
