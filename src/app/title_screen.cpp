#include "app/title_screen.h"

#include <cstdio>

#include "base/dik.h"
#include "media/audio/sound_engine.h"
#include "media/gfx/blit.h"
#include "media/gfx/display.h"
#include "media/gfx/picture_loading.h"
#include "media/gfx/sheet_text.h"
#include "media/gfx/skin.h"
#include "media/gfx/sprite_tables.h"
#include "media/input/input.h"
#include "platform/clock_counters.h"
#include "platform/files.h"
#include "scene/message_pump.h"
#include "scene/shell.h"
#include "settings/settings.h"

namespace kv {
namespace {

constexpr double kStepMs = 12.0;
constexpr int kPulseTop = 16;
constexpr int kLogoLeft = 32, kLogoTop = 48, kLogoStep = 6;
constexpr int kTileSize = 64;

// Final tile places on the hexagon and how each tile gets there per step.
struct TileMove {
    int x, y;    // final top-left corner
    int dx, dy;  // per step
};
constexpr TileMove kTileMoves[kTitleTileCount] = {
    {400, 224, -1, -2}, {352, 304, -2, 0}, {400, 384, -1, 2},
    {480, 384, 1, 2},   {528, 304, 2, 0},  {480, 224, 1, -2},
};

bool stillMoving(const TileMove& m, int x, int y) {
    if (m.dy < 0) return y > m.y;
    if (m.dy > 0) return y < m.y;
    return m.dx < 0 ? x > m.x : x < m.x;
}

int stepCursor(int cursor, int direction, bool singleSong) {
    cursor = (cursor + direction + kTitleTileCount) % kTitleTileCount;
    if (singleSong && titleItemHidden(cursor, true)) cursor = direction < 0 ? cursor - 1 : (cursor + 1) % kTitleTileCount;
    return cursor;
}

bool down(int key) { return (input.keys[key] & 0x80) != 0; }

TitleKeys readTitleKeys(bool joypadOn) {
    TitleKeys keys;
    keys.previous = down(DIK_UP) || down(DIK_RIGHT);
    keys.next = down(DIK_DOWN) || down(DIK_LEFT);
    keys.confirm = down(DIK_RETURN) || down(DIK_SPACE);
    keys.keySetup = down(DIK_K);
    keys.joypadSetup = joypadOn && down(DIK_J);
    keys.escape = down(DIK_ESCAPE);
    keys.nextSkin = down(DIK_F1);
    return keys;
}

void loadTitlePictures() {
    loadSkinSheet(0, skin.TITLE);
    loadSkinSheet(1, skin.FONT);
    loadSkinSheet(2, skin.FONT2);
}

void drawTile(const TitleMenu& menu, int item, bool selected) {
    const int x = menu.tileX[item], y = menu.tileY[item];
    const Rect* source = &menuTable[kTitleTiles + item];
    if (!selected) {
        stretchSpriteKeyed(x, y, x + kTileSize, y + kTileSize, source, 2);
        return;
    }
    const int p = menu.pulse >> 1;  // 80 to 96 pixels, centred on the 64-pixel place
    stretchSpriteKeyed(x - p - 8, y - p - 8, x + p + 72, y + p + 72, source, 2);
}

void drawTitleFrame(const TitleMenu& menu, int cursor, bool singleSong, bool joypadOn) {
    drawSprite(0, 0, nullptr, 0);
    const Rect logo{0, 0, kLogoWidth, kLogoHeight};
    drawSpriteKeyed(menu.logoX, kLogoTop, &logo, 3);
    // The selected tile last, so its pulse is drawn over its neighbours.
    for (int item = 0; item < kTitleTileCount; ++item)
        if (item != cursor && !titleItemHidden(item, singleSong)) drawTile(menu, item, false);
    if (!titleItemHidden(cursor, singleSong)) drawTile(menu, cursor, true);
    drawLargeText(0, 463, joypadOn ? "k:SETKEYS  j:SETJOY" : "k:SETKEYS", 0);
    if (skinList.count > 1) {
        char line[96];
        std::snprintf(line, sizeof line, "F1:skin-%s", skinList.names[validSkinIndex(settings().SKIN)].c_str());
        drawLargeText(0, 446, line, 1);
    }
    if (singleSong) {
        drawLargeText(437, 317, "SINGLE", 1);
        drawLargeText(449, 334, "MODE", 1);
    }
    present();
}

}  // namespace

bool titleItemHidden(int item, bool singleSong) { return singleSong && (item == 2 || item == 5); }

void TitleMenu::animate() {
    pulse += pulseDirection;
    if (pulse >= kPulseTop) pulseDirection = -1;
    if (pulse <= 0) pulseDirection = 1;
    for (int i = 0; i < kTitleTileCount; ++i)
        if (stillMoving(kTileMoves[i], tileX[i], tileY[i])) tileX[i] += kTileMoves[i].dx, tileY[i] += kTileMoves[i].dy;
    logoX = std::max(logoX - kLogoStep, kLogoLeft);
}

TitleReaction TitleMenu::handleKeys(const TitleKeys& keys, int& cursor, bool singleSong, bool joypadOn,
                                    bool severalSkins) {
    const bool anyKey = keys.previous || keys.next || keys.confirm || keys.keySetup ||
                        (joypadOn && keys.joypadSetup) || keys.escape || keys.nextSkin;
    if (!anyKey) {
        latch = false;
        return TitleReaction::None;
    }
    if (latch) return TitleReaction::None;
    latch = true;
    if (keys.previous || keys.next) {
        cursor = stepCursor(cursor, keys.previous ? -1 : 1, singleSong);
        return TitleReaction::CursorMoved;
    }
    if (keys.confirm) {
        result = cursor;
        return TitleReaction::Chosen;
    }
    if (keys.keySetup) {
        result = 6;
        return TitleReaction::Chosen;
    }
    if (joypadOn && keys.joypadSetup) {
        result = 7;
        return TitleReaction::Chosen;
    }
    if (keys.escape) {
        if (cursor == kTitleExitItem) {
            result = kTitleExitItem;
            return TitleReaction::ChosenSilently;
        }
        cursor = kTitleExitItem;
        return TitleReaction::None;
    }
    return severalSkins ? TitleReaction::SkinRequested : TitleReaction::None;
}

int titleScreen() {
    Shell& state = shell();
    MsCounter& menuMs = clockCounters().menuMs;
    menuMs.set(0);
    platform::changeDirectory(state.programFolder);
    loadTitlePictures();
    loadResourcePicture(3, "LOGOBITMAP", 0, 0);
    playSample(kTitleMusicSlot);
    const bool singleSong = state.singleSong != 0;
    const bool joypadOn = settings().USEJOYPAD != 0;
    TitleMenu menu;
    while (menu.result < 0) {
        while (menuMs.value() > kStepMs) {
            menuMs.take(kStepMs);
            if (!pumpMessages()) return 0;
            menu.animate();
            readKeyboard();
            int cursor = state.titleCursor;
            switch (menu.handleKeys(readTitleKeys(joypadOn), cursor, singleSong, joypadOn, skinList.count > 1)) {
                case TitleReaction::CursorMoved: playSample(kTitleCursorSlot); break;
                case TitleReaction::Chosen: playSample(kTitleCheckSlot); break;
                case TitleReaction::SkinRequested: {
                    int skinSetting = settings().SKIN;
                    if (cycleSkin(skinSetting)) loadTitlePictures();
                    settings().SKIN = std::int8_t(skinSetting);
                    break;
                }
                default: break;
            }
            state.titleCursor = std::int8_t(cursor);
        }
        drawTitleFrame(menu, state.titleCursor, singleSong, joypadOn);
    }
    stopSample(kTitleMusicSlot);
    return menu.result;
}

}  // namespace kv
