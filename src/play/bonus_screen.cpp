#include "play/bonus_screen.h"

#include <algorithm>

#include "media/gfx/blit.h"
#include "media/gfx/display.h"
#include "media/gfx/sprite_tables.h"
#include "media/gfx/style_sheets.h"
#include "play/bonus_layout.h"
#include "play/bonus_shooter.h"
#include "play/play_screen_bga.h"
#include "play/play_screen_panels.h"
#include "play/tallies.h"
#include "play/scroll_speed.h"

namespace kv {

namespace {

constexpr int kBoardSlot = 2, kStyleSlot = 3;
constexpr int kGuideTopBar = 2, kGuideBottomPanel = 3, kBottomRowY = 433;
constexpr int kTranspMask = 1;
// BONUS sheet cells.
constexpr int kField = 0, kLeftEdge = 1, kRightEdge = 2;
constexpr int kShip = 3, kShipRight = 4, kShipLeft = 5;
constexpr int kEnemy = 6, kDestroyedEnemy = 10, kShot = 11, kBullet = 12, kBurst = 13;
constexpr int kBurstFrames = 4;
constexpr int kBurstInset = 11;  // centres a 54-pixel burst on a 32-pixel box
constexpr int kEdgeWidth = 16;
constexpr int kBlinkPeriod = 3;  // an invulnerable ship is left out every third frame

// Whatever flies past the top or bottom of the field is cut off there, so
// it never covers the panels.
void sprite(int cell, int fieldX, int fieldY) {
    Rect source = bonusSheet[std::size_t(cell)];
    const int cutTop = std::max(0, -fieldY);
    const int cutBottom = std::max(0, fieldY + source.height() - kBonusFieldHeight);
    if (cutTop + cutBottom >= source.height()) return;
    source.top += cutTop;
    source.bottom -= cutBottom;
    drawSpriteKeyed(kBonusFieldX + fieldX, kBonusFieldY + fieldY + cutTop, &source, kStyleSlot);
}

void field(const Chart& chart, const Settings& options) {
    const bool keyed = chart.frame.backdropInUse && options.TRANSP == kTranspMask;
    const auto draw = keyed ? drawSpriteKeyed : drawSprite;
    draw(kBonusFieldX, kBonusFieldY, &bonusSheet[kField], kStyleSlot);
    draw(kBonusFieldX - kEdgeWidth, kBonusFieldY, &bonusSheet[kLeftEdge], kStyleSlot);
    draw(kBonusFieldX + kFieldWidth, kBonusFieldY, &bonusSheet[kRightEdge], kStyleSlot);
    const auto board = chart.frame.backdropInUse ? drawSpriteKeyed : drawSprite;
    board(0, 0, &boardTable[kGuideTopBar], kBoardSlot);
    board(0, kBottomRowY, &boardTable[kGuideBottomPanel], kBoardSlot);
}

bool isDestroyed(const PoolObject& object) { return (object.kind & ~3) == (kKindAuto & ~3); }

void enemies(const Play& play, const PlayConfig& config, const LaneLayout& layout) {
    for (const PoolObject& object : play.pool) {
        if (object.kind == 0 || object.kind >= kKindInvisible) continue;
        const int offset = noteOffset(play, config, object.y);
        if (offset == kNotDrawn) continue;
        const int laneX = layout.lanes[std::size_t(object.lane)].x;
        if (laneX < 0) continue;
        // The shooter rules measure an enemy by its height on the field.
        const int height = offset - kBonusFieldY;
        sprite(isDestroyed(object) ? kDestroyedEnemy : kEnemy + play.noteFrame, laneX + kEnemyInset, height);
    }
}

void ship(const Play& play, const PlayScreenState& screen) {
    const BonusState& bonus = play.bonus;
    if (play.cleared < 0) return;  // shot down for good
    if (bonus.invulnerableTicks > 0 && screen.paintedFrames % kBlinkPeriod == 0) return;
    const int cell = bonus.tilt > 0 ? kShipRight : bonus.tilt < 0 ? kShipLeft : kShip;
    sprite(cell, bonus.shipX, bonus.shipY);
}

void projectiles(const BonusState& bonus) {
    for (const Shot& shot : bonus.shots)
        if (shot.used) sprite(kShot, shot.x, shot.y);
    for (const Burst& burst : bonus.bursts)
        if (burst.used)
            sprite(kBurst + std::min(burst.age / 4, kBurstFrames - 1), burst.x - kBurstInset, burst.y - kBurstInset);
}

void bullets(const BonusState& bonus) {
    for (const Bullet& bullet : bonus.bullets)
        if (bullet.used) sprite(kBullet, int(bullet.x), int(bullet.y));
}

}  // namespace

void paintBonusFrame(PlayContext& ctx, const LaneLayout& layout, PlayScreenState& screen) {
    Play& play = ctx.play;
    const Settings& options = settings();
    fillRect(display.back, nullptr, 0);
    drawBackdrop(play, ctx.chart, options, screen);
    field(ctx.chart, options);

    const PanelView view{play, ctx.chart, ctx.config, options, layout};
    drawGuidePanel(view, screen);
    drawJudgement(view);
    clampGauge(play);
    drawGauge(view, screen);
    drawScores(view, screen);

    enemies(play, ctx.config, layout);
    bullets(play.bonus);
    ship(play, screen);
    projectiles(play.bonus);
    present();
}

}  // namespace kv
