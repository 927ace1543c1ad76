#include "play/play_screen_state.h"

#include <algorithm>

#include "platform/clock_counters.h"
#include "play/bonus_shooter.h"
#include "play/scroll_speed.h"

namespace kv {

namespace {

constexpr double kTickMs = 10.0;
constexpr int kHitFlashTicks = 23;
constexpr int kBurstTicks = 16;
constexpr double kMeterMs = 1000.0;

// The score figure catches up fast when far behind and by ones at the end.
void easeScore(std::int32_t& shown, std::int32_t score) {
    const std::int32_t behind = score - shown;
    if (behind <= 0) return;
    std::int32_t gain = 1;
    if (behind > 20000) gain += 10000;
    if (behind > 2000) gain += 1000;
    if (behind > 200) gain += 100;
    if (behind > 20) gain += 10;
    shown = std::min(score, shown + gain);
}

void tick(Play& play, PlayScreenState& screen, bool secondTick) {
    tickFreeSpeedLatch(play.speed);
    screen.blink = (screen.blink + 1) % 3;
    tickBonusInvulnerability(play.bonus);
    for (LaneState& lane : play.lanes) {
        if (lane.hitFlash.active && ++lane.hitFlash.age > kHitFlashTicks) lane.hitFlash = HitFlash{};
        if (lane.control == 0 && lane.keyFlash > 0) --lane.keyFlash;
    }
    if (!secondTick) return;
    for (Burst& burst : play.bonus.bursts)
        if (burst.used && ++burst.age > kBurstTicks) burst.used = false;
    tickScanSparks(screen.sparks);
    easeScore(screen.scoreShown, play.score);
}

void stepTowards(std::int32_t& value, std::int32_t target) {
    if (value < target) ++value;
    else if (value > target) --value;
}

}  // namespace

void animateFrame(Play& play, PlayScreenState& screen) {
    MsCounter& anim = clockCounters().animMs;
    if (anim.value() < 11.0) return;
    const int ticks = int((anim.value() - 1.0) / kTickMs);
    anim.take(ticks * kTickMs);
    play.judge.age += ticks;
    for (int i = 0; i < ticks; ++i) tick(play, screen, i % 2 == 1);

    if (play.gaugeBarTarget != 0) {
        const std::int32_t target = std::clamp<std::int32_t>(play.gaugeBarTarget, 0, 63);
        stepTowards(screen.gaugeShown, target);
        if (screen.gaugeShown == target) play.gaugeBarTarget = 0;
    } else {
        stepTowards(screen.gaugeShown, screen.gaugeLevel);
    }
}

void countFrame(PlayScreenState& screen) {
    ++screen.paintedFrames;
    ++screen.framesCounted;
    MsCounter& meter = clockCounters().fpsMs;
    if (meter.value() < kMeterMs) return;
    screen.framesPerSecond = screen.framesCounted;
    screen.framesCounted = 0;
    meter.set(0);
}

}  // namespace kv
