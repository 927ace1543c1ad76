#include "play/bonus_shooter.h"

#include <algorithm>
#include <cmath>

#include "play/judgement.h"
#include "play/scroll_speed.h"
#include "play/tallies.h"

namespace kv {
namespace {

constexpr int kShipSize = 32;
constexpr int kEnemySize = 32;
constexpr int kShotWidth = 16, kShotHeight = 32;
constexpr int kBulletSize = 8;
constexpr int kShipStep = 5;
constexpr int kShotSpeed = 8;
constexpr float kBulletSpeed = 4.0f;
constexpr int kFirstVolley = 80, kSecondVolley = 300;

struct Box {
    int x, y, w, h;
};

bool overlap(const Box& a, const Box& b) {
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

bool isEnemy(const PoolObject& object) { return object.kind == kApproaching || object.kind == kKindDoubled; }

// An enemy's height on the field, or -1 while it is above it.
int fieldHeight(const Play& play, const PlayConfig& config, const PoolObject& object) {
    const int offset = noteOffset(play, config, object.y);
    return offset > 0 ? offset - 20 : -1;
}

JudgementCode judgeByHeight(int height) {
    if (height < 90) return Cool;
    if (height < 180) return Great;
    if (height < 270) return Good;
    return Break;
}

template <class Slots>
auto* freeSlot(Slots& slots) {
    auto found = std::find_if(slots.begin(), slots.end(), [](const auto& slot) { return !slot.used; });
    return found == slots.end() ? nullptr : &*found;
}

void startBurst(BonusState& bonus, int x, int y) {
    if (Burst* burst = freeSlot(bonus.bursts)) *burst = Burst{true, x, y, 0};
}

void fireBullet(BonusState& bonus, int fromX, int fromY) {
    Bullet* bullet = freeSlot(bonus.bullets);
    if (!bullet) return;
    const float dx = float(bonus.shipX + kShipSize / 2 - fromX);
    const float dy = float(bonus.shipY + kShipSize / 2 - fromY);
    const float length = std::max(1.0f, std::sqrt(dx * dx + dy * dy));
    *bullet = Bullet{true, float(fromX), float(fromY), kBulletSpeed * dx / length, kBulletSpeed * dy / length};
}

void destroyEnemy(PlayContext& ctx, PoolObject& enemy, const Box& box, int height) {
    Play& play = ctx.play;
    enemy.kind = kKindAuto;  // still sounds at the line, never judged or missed
    startBurst(play.bonus, box.x, box.y);
    countJudgement(ctx, judgeByHeight(height));
    play.score = computeScore(play, ctx.chart.noteCount);
    play.maxCombo = std::max(play.maxCombo, play.combo);
}

void hurtShip(PlayContext& ctx) {
    BonusState& bonus = ctx.play.bonus;
    startBurst(bonus, bonus.shipX, bonus.shipY);
    bonus.invulnerableTicks = kInvulnerableTicks;
    changeGauge(ctx.play, -2 * ctx.chart.gaugeLoss);
}

void moveShots(PlayContext& ctx, const std::array<int, kLaneCount>& laneX) {
    Play& play = ctx.play;
    for (Shot& shot : play.bonus.shots) {
        if (!shot.used) continue;
        shot.y -= kShotSpeed;
        if (shot.y < -kShotHeight / 2) {
            shot.used = false;
            continue;
        }
        const Box shotBox{shot.x, shot.y, kShotWidth, kShotHeight};
        for (PoolObject& object : play.pool) {
            const int height = isEnemy(object) ? fieldHeight(play, ctx.config, object) : -1;
            if (height < 0) continue;
            const Box enemyBox{laneX[std::size_t(object.lane)] + 32, height, kEnemySize, kEnemySize};
            if (!overlap(shotBox, enemyBox)) continue;
            destroyEnemy(ctx, object, enemyBox, height);
            shot.used = false;
            break;
        }
    }
}

void moveBullets(BonusState& bonus) {
    for (Bullet& bullet : bonus.bullets) {
        if (!bullet.used) continue;
        bullet.x += bullet.dx;
        bullet.y += bullet.dy;
        if (bullet.x < 0 || bullet.x > kFieldWidth || bullet.y < 0 || bullet.y > kFieldHeight) bullet.used = false;
    }
}

// Enemies fire as they pass two heights, and hurt the ship by touch.
void enemiesAttack(PlayContext& ctx, const std::array<int, kLaneCount>& laneX) {
    Play& play = ctx.play;
    BonusState& bonus = play.bonus;
    const Box ship{bonus.shipX, bonus.shipY, kShipSize, kShipSize};
    for (PoolObject& object : play.pool) {
        const int height = isEnemy(object) ? fieldHeight(play, ctx.config, object) : -1;
        if (height < 0) continue;
        const Box enemy{laneX[std::size_t(object.lane)] + 32, height, kEnemySize, kEnemySize};
        const bool volleyDue = (object.bulletsFired == 0 && height > kFirstVolley) ||
                               (object.bulletsFired == 1 && height > kSecondVolley);
        if (volleyDue) {
            fireBullet(bonus, enemy.x + kEnemySize / 2, enemy.y + kEnemySize / 2);
            ++object.bulletsFired;
        }
        if (bonus.invulnerableTicks == 0 && overlap(ship, enemy)) hurtShip(ctx);
    }
    for (Bullet& bullet : bonus.bullets) {
        if (!bullet.used || bonus.invulnerableTicks != 0) continue;
        if (!overlap(ship, Box{int(bullet.x), int(bullet.y), kBulletSize, kBulletSize})) continue;
        bullet.used = false;
        hurtShip(ctx);
    }
}

}  // namespace

void bonusShipUpdate(PlayContext& ctx, const BonusControls& controls) {
    BonusState& bonus = ctx.play.bonus;
    if (controls.up) bonus.shipY = std::max(kShipTop, bonus.shipY - kShipStep);
    if (controls.down) bonus.shipY = std::min(kShipBottom, bonus.shipY + kShipStep);
    bonus.tilt = 0;
    if (controls.left) {
        bonus.shipX = std::max(0, bonus.shipX - kShipStep);
        bonus.tilt = -1;
    }
    if (controls.right) {
        bonus.shipX = std::min(kShipRight, bonus.shipX + kShipStep);
        bonus.tilt = 1;
    }
    const bool newFire = controls.fire && !bonus.firePreviouslyDown;
    bonus.firePreviouslyDown = controls.fire;
    if (!newFire || ctx.play.cleared < 0) return;
    if (Shot* shot = freeSlot(bonus.shots)) *shot = Shot{true, bonus.shipX + 8, bonus.shipY};
}

void bonusShotUpdate(PlayContext& ctx, const std::array<int, kLaneCount>& laneX) {
    advanceJudgeDisplay(ctx.play.judge);
    moveShots(ctx, laneX);
    moveBullets(ctx.play.bonus);
    if (ctx.play.cleared >= 0) enemiesAttack(ctx, laneX);
}

void tickBonusInvulnerability(BonusState& bonus) {
    if (bonus.invulnerableTicks > 0) --bonus.invulnerableTicks;
}

}  // namespace kv
