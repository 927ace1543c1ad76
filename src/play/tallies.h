#pragma once
// What a judgement does to the combo, the counts, the score and the gauge.
#include <cstdint>

#include "play/play_context.h"

namespace kv {

constexpr std::int32_t kMaxScore = 200000;

// Score from the counts: each judgement's share of 200000 over the note
// count, divided separately (64-bit, so long charts cannot overflow). The
// ranking checks stored runs against the same rule.
std::int32_t scoreFromJudgements(std::int64_t cool, std::int64_t great, std::int64_t good, std::int64_t breaks,
                                 std::int32_t noteCount);
inline std::int32_t computeScore(const Play& play, std::int32_t noteCount) {
    return scoreFromJudgements(play.coolCount, play.greatCount, play.goodCount, play.breakCount, noteCount);
}

// Gauge at the start of a run; continueStage keeps a SURVIVAL gauge (a
// later course stage, eternal play).
float startingGauge(const Play& play, const PlayConfig& config, bool continueStage);

// Shows a judgement and counts it into the combo, the counts and the miss
// flag (COOL to BREAK), without touching the gauge.
void countJudgement(PlayContext& ctx, JudgementCode code);

// Applies a judged press (COOL to BREAK; MISS charges like chargeMiss
// without touching the combo).
void applyJudgement(PlayContext& ctx, JudgementCode code);

// The score from the counts; under HIGHSC. the gauge follows it; the best
// combo so far.
void updateScore(PlayContext& ctx);

// A long note let go too early: its head's judgement becomes a BREAK.
void breakHeldNote(PlayContext& ctx, JudgementCode headCode);

// A press that missed: charged at once, so the note that later passes
// unhit is not charged again.
void chargeMiss(PlayContext& ctx);

// A playable note left the lane unhit: a miss, unless a missed press
// already paid for it.
void chargePassedNote(PlayContext& ctx);

// Adds to the gauge. Between drawn frames it may pass 0-100: a gain and a
// loss in one frame add up before the frame brings it back into range.
void changeGauge(Play& play, float delta);

// Brings the gauge back into 0-100: once per drawn frame, and when the run
// hands its tallies on.
void clampGauge(Play& play);

// The gauge bar's bounce after a judgement (6, 4, 2, -3, -6 for COOL-MISS).
void bounceGaugeBar(Play& play, JudgementCode code);

// Shows a judgement image from its first frame.
void showJudgement(Play& play, JudgementCode code);

// Image code of a judgement (0, 4, 8, 12, 16).
constexpr int judgementImage(JudgementCode code) { return (code - 1) * 4; }

}  // namespace kv
