#include "play/scroll_speed.h"

#include <algorithm>
#include <cmath>

#include "play/tempo.h"

namespace kv {
namespace {

constexpr int kFixedSpeeds = 16;
constexpr float kMultipliers[kFixedSpeeds] = {0.5f, 0.75f, 1, 1.5f, 2, 2.5f, 3, 3.5f,
                                               4, 4.5f, 5, 6, 8, 10, 12, 16};
// 402 x (m - 1), so every speed puts the line at the same pixel.
constexpr int kOffsets[kFixedSpeeds] = {-201, -101, 0, 201, 402, 603, 804, 1005,
                                         1206, 1407, 1608, 2010, 2814, 3618, 4422, 6030};
constexpr int kMaxFreeSpeed = 2550;
constexpr int kMinFreeSpeed = 5;

bool isFixed(int code) { return code >= 0 && code < kFixedSpeeds; }

int fixedOffset(int code, int y) {
    return int(std::trunc(float(y) * kMultipliers[code])) - kOffsets[code] - 9;
}

// COMBO and FREE: t tenths of the normal speed, pivoting on the line.
int tenthsOffset(int t, int y) { return ((10 - t) * 402) / 10 + (y * t) / 10 - 9; }

int randomOffset(const SpeedState& speed, int y) {
    const int r = speed.randomSpeedIndex;
    const int p = speed.previousRandomSpeedIndex;
    const int blend = speed.speedBlend;
    const float m = kMultipliers[r] + (kMultipliers[p] - kMultipliers[r]) * float(blend) / 128;
    return int(std::trunc(float(y) * m)) - ((kOffsets[p] - kOffsets[r]) * blend / 128) - kOffsets[r] - 9;
}

int gravityOffset(int y) {
    if (y <= 192) return kNotDrawn;
    return (y - 200) * (y - 200) / 100 - 9;
}

}  // namespace

float speedMultiplier(int speedCode) { return isFixed(speedCode) ? kMultipliers[speedCode] : 1.0f; }

double initialSubsteps(const PlayConfig& config) {
    if (config.speed == kSpeedFree) return std::max(1.0, config.freeSpeed * 0.1);
    return std::max(1.0, double(speedMultiplier(config.speed)));
}

int noteOffset(const Play& play, const PlayConfig& config, int y) {
    const int code = config.speed;
    if (isFixed(code)) return fixedOffset(code, y);
    const bool playback = play.replayActive != 0;
    switch (code) {
        case kSpeedRandom: return playback ? fixedOffset(0, y) : randomOffset(play.speed, y);
        case kSpeedGravity: return playback ? fixedOffset(0, y) : gravityOffset(y);
        case kSpeedCombo: return tenthsOffset(play.speed.comboSpeedTenths, y);
        case kSpeedFree: return tenthsOffset(play.speed.freeSpeed, y);
        default: return fixedOffset(2, y);
    }
}

int barOffset(const Play& play, const PlayConfig& config, int y) {
    return noteOffset(play, config, y) + 9;
}

void updateFrameSpeed(Play& play, const PlayConfig& config, bool lowerHeld, bool raiseHeld) {
    SpeedState& speed = play.speed;
    if (config.speed == kSpeedCombo) {
        const int tenths = std::max(10, play.combo / 2);
        if (tenths != speed.comboSpeedTenths) {
            speed.comboSpeedTenths = tenths;
            setSubstepsPerStep(play.tempo, tenths * 0.1);
        }
    } else if (config.speed == kSpeedFree && speed.freeSpeedLatch == 0) {
        int next = speed.freeSpeed;
        if (raiseHeld) next = std::min(kMaxFreeSpeed, next + 1);
        else if (lowerHeld) next = std::max(kMinFreeSpeed, next - 1);
        if (next != speed.freeSpeed) {
            speed.freeSpeed = next;
            speed.freeSpeedLatch = 1;
            setSubstepsPerStep(play.tempo, next < 10 ? 1.0 : next * 0.1);
        }
    }
    if (speed.speedBlend > 0) --speed.speedBlend;
}

void tickFreeSpeedLatch(SpeedState& speed) {
    if (speed.freeSpeedLatch > 0) speed.freeSpeedLatch = (speed.freeSpeedLatch + 1) % 4;
}

}  // namespace kv
