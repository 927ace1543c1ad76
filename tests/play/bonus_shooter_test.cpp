#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "play/bonus_shooter.h"
#include "play/tallies.h"
#include "play_fixture.h"

namespace kv::test {
namespace {

// At normal speed an enemy's field height is y - 29.
constexpr int yAtHeight(int height) { return height + 29; }

class BonusFixture : public PlayFixture {
public:
    BonusFixture() {
        config.style = Bonus;
        chart->noteCount = 4;
        extendTo(20);
        laneX.fill(100);  // enemies at field x 132
        start();
    }
    PoolObject& enemyAt(int slot, int height, int lane = 1) {
        PoolObject& o = play->pool[std::size_t(slot)];
        o = PoolObject{kApproaching, yAtHeight(height), lane, 3, 0};
        return o;
    }
    void ship(BonusControls controls) {
        PlayContext ctx = context();
        bonusShipUpdate(ctx, controls);
    }
    void tick() {
        PlayContext ctx = context();
        bonusShotUpdate(ctx, laneX);
    }
    std::array<int, kLaneCount> laneX{};
};

TEST(BonusShip, MovesWithinTheField) {
    BonusFixture f;
    BonusState& b = f.play->bonus;
    for (int i = 0; i < 100; ++i) f.ship({.up = true, .left = true});
    EXPECT_EQ(b.shipX, 0);
    EXPECT_EQ(b.shipY, kShipTop);
    EXPECT_EQ(b.tilt, -1);
    for (int i = 0; i < 100; ++i) f.ship({.down = true, .right = true});
    EXPECT_EQ(b.shipX, kShipRight);
    EXPECT_EQ(b.shipY, kShipBottom);
    EXPECT_EQ(b.tilt, 1);
    f.ship({});
    EXPECT_EQ(b.tilt, 0);
}

TEST(BonusShip, EachNewPressFiresOneOfSevenShots) {
    BonusFixture f;
    auto shots = [&] {
        return std::count_if(f.play->bonus.shots.begin(), f.play->bonus.shots.end(), [](const Shot& s) { return s.used; });
    };
    f.ship({.fire = true});
    f.ship({.fire = true});  // held
    EXPECT_EQ(shots(), 1);
    EXPECT_EQ(f.play->bonus.shots[0].x, 140 + 8);
    for (int i = 0; i < 10; ++i) {
        f.ship({});
        f.ship({.fire = true});
    }
    EXPECT_EQ(shots(), kShotSlots);
    f.play->bonus.shots.fill(Shot{});
    f.play->cleared = -1;
    f.ship({});
    f.ship({.fire = true});
    EXPECT_EQ(shots(), 0) << "a failed run no longer shoots";
}

TEST(BonusShots, HitEnemiesAreJudgedByTheirHeight) {
    const struct {
        int height;
        JudgementCode code;
    } cases[] = {{40, Cool}, {89, Cool}, {90, Great}, {179, Great}, {180, Good}, {269, Good}, {270, Break}};
    for (const auto& c : cases) {
        BonusFixture f;
        PoolObject& enemy = f.enemyAt(0, c.height);
        f.play->bonus.shots[0] = Shot{true, 140, c.height + 8 + 20};
        const float gauge = f.play->gauge;
        f.tick();
        EXPECT_EQ(enemy.kind, kKindAuto) << c.height;
        EXPECT_FALSE(f.play->bonus.shots[0].used) << c.height;
        EXPECT_EQ(f.play->judge.code, judgementImage(c.code)) << c.height;
        EXPECT_EQ(f.play->coolCount + f.play->greatCount + f.play->goodCount + f.play->breakCount, 1);
        EXPECT_EQ(f.play->gauge, gauge) << "hits never change the gauge";
    }
}

TEST(BonusShots, MissedShotsFlyOffTheTop) {
    BonusFixture f;
    f.play->bonus.shots[0] = Shot{true, 0, -8};
    f.tick();
    EXPECT_TRUE(f.play->bonus.shots[0].used) << "at -16";
    f.tick();
    EXPECT_FALSE(f.play->bonus.shots[0].used);
}

TEST(BonusEnemies, FireAimedBulletsAtTwoHeights) {
    BonusFixture f;
    f.play->bonus.shipX = 0;
    PoolObject& enemy = f.enemyAt(0, 81);
    auto bullets = [&] {
        return std::count_if(f.play->bonus.bullets.begin(), f.play->bonus.bullets.end(),
                             [](const Bullet& b) { return b.used; });
    };
    f.tick();
    EXPECT_EQ(bullets(), 1);
    const Bullet& first = f.play->bonus.bullets[0];
    EXPECT_NEAR(std::hypot(first.dx, first.dy), 4.0f, 1e-4);
    EXPECT_LT(first.dx, 0) << "aimed at the ship on the left";
    f.tick();
    EXPECT_EQ(bullets(), 1) << "one bullet per height";
    enemy.y = yAtHeight(301);
    f.tick();
    EXPECT_EQ(bullets(), 2);
}

TEST(BonusEnemies, TouchingTheShipCostsGaugeThenGivesInvulnerability) {
    BonusFixture f;
    f.play->bonus.shipX = 132;
    f.play->bonus.shipY = 100;
    f.enemyAt(0, 100);
    f.tick();
    EXPECT_NEAR(f.play->gauge, 100.0f - 2 * 3.5f, 1e-4);
    EXPECT_EQ(f.play->bonus.invulnerableTicks, kInvulnerableTicks);
    f.tick();
    EXPECT_NEAR(f.play->gauge, 93.0f, 1e-4) << "invulnerable";
    for (int i = 0; i < kInvulnerableTicks; ++i) tickBonusInvulnerability(f.play->bonus);
    f.tick();
    EXPECT_NEAR(f.play->gauge, 86.0f, 1e-4);
}

TEST(BonusEnemies, BulletHitRemovesTheBullet) {
    BonusFixture f;
    f.play->bonus.bullets[0] = Bullet{true, 150, 350, 0, 0};
    f.tick();
    EXPECT_FALSE(f.play->bonus.bullets[0].used);
    EXPECT_LT(f.play->gauge, 100.0f);
}

}  // namespace
}  // namespace kv::test
