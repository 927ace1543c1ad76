#pragma once
// Drawing the parts the result screens share onto the back surface: the
// grade tile, the judgement bar, the ranking table, name entry and hints.
#include <array>

#include "screens/results/ranking.h"
#include "screens/results/result_flow.h"

namespace kv {

// The grade tile grows from a flat strip to 64 x 64 while its counter runs 1-32.
void drawGradeTile(int x, int y, int grade, int counter);
// The bar grows upwards from its foot; bands are cumulative heights (BREAK
// at the foot, then GOOD, GREAT, COOL).
void drawJudgementBar(int x, int footY, int height, const std::array<int, 4>& bands);

// The ranking table: a header line, then one line per filled row 24 pixels
// apart; `ownRow` is highlighted. In name entry, the name being typed and
// its blinking cursor cover the run's own row.
void drawRankingTable(int x, int headerY, const Ranking& ranking, int ownRow, const ResultFlow& flow);

// A ranking that cannot be stored: said just above the key hints.
void drawSaveFailure();

// The bottom line: the restart and replay hint while waiting, the place
// while the name is typed.
void drawResultHint(const ResultFlow& flow, int ownRow, bool showRestartHint);

}  // namespace kv
