// The key table and the SDL scancode translation.
#include "platform/keyboard.h"

#include <SDL_scancode.h>
#include <gtest/gtest.h>

#include "base/dik.h"

namespace kv::platform {
namespace {

TEST(KeyboardTest, ScancodesTranslateToDirectInputCodes) {
    const std::pair<int, int> cases[] = {
        {SDL_SCANCODE_ESCAPE, 0x01}, {SDL_SCANCODE_1, 0x02},       {SDL_SCANCODE_0, 0x0B},
        {SDL_SCANCODE_RETURN, 0x1C}, {SDL_SCANCODE_A, 0x1E},       {SDL_SCANCODE_Z, 0x2C},
        {SDL_SCANCODE_LSHIFT, 0x2A}, {SDL_SCANCODE_RSHIFT, 0x36},  {SDL_SCANCODE_SPACE, 0x39},
        {SDL_SCANCODE_COMMA, 0x33},  {SDL_SCANCODE_F1, 0x3B},      {SDL_SCANCODE_F11, 0x57},
        {SDL_SCANCODE_F12, 0x58},    {SDL_SCANCODE_UP, 0xC8},      {SDL_SCANCODE_DOWN, 0xD0},
        {SDL_SCANCODE_LEFT, 0xCB},   {SDL_SCANCODE_RIGHT, 0xCD},   {SDL_SCANCODE_KP_ENTER, 0x9C},
        {SDL_SCANCODE_RCTRL, 0x9D},  {SDL_SCANCODE_PAGEDOWN, 0xD1}, {SDL_SCANCODE_BACKSPACE, 0x0E},
    };
    for (auto [sdl, dik] : cases) EXPECT_EQ(dikFromSdlScancode(sdl), dik) << sdl;
}

TEST(KeyboardTest, KeysWithoutACodeAndOutOfRangeNumbersGiveMinusOne) {
    for (int sdl : {int(SDL_SCANCODE_UNKNOWN), int(SDL_SCANCODE_AGAIN), -1, int(SDL_NUM_SCANCODES), 100000})
        EXPECT_EQ(dikFromSdlScancode(sdl), -1) << sdl;
}

TEST(KeyboardTest, EveryMappedScancodeGivesADistinctPhysicalKeyOrAKnownTwin) {
    // Two SDL keys may share one code (print screen and sysrq); the rest
    // must not collide, or a binding would fire from two places.
    int seen[kKeyCount] = {};
    for (int sdl = 0; sdl < SDL_NUM_SCANCODES; ++sdl) {
        if (int dik = dikFromSdlScancode(sdl); dik >= 0) ++seen[dik];
    }
    for (int dik = 0; dik < kKeyCount; ++dik) {
        const bool twin = dik == DIK_SYSRQ || dik == DIK_BACKSLASH || dik == DIK_MUTE;
        EXPECT_LE(seen[dik], twin ? 2 : 1) << dik;
    }
}

TEST(KeyboardTest, TableHoldsDownKeysAsBit80) {
    releaseAllKeys();
    setKeyDown(DIK_RETURN, true);
    EXPECT_EQ(keyTable()[DIK_RETURN], 0x80);
    EXPECT_TRUE(isKeyDown(DIK_RETURN));
    setKeyDown(DIK_RETURN, false);
    EXPECT_EQ(keyTable()[DIK_RETURN], 0);
    for (int bad : {-1, 256, 9999}) {
        setKeyDown(bad, true);
        EXPECT_FALSE(isKeyDown(bad));
    }
    setKeyDown(DIK_A, true);
    releaseAllKeys();
    for (int dik = 0; dik < kKeyCount; ++dik) EXPECT_EQ(keyTable()[dik], 0);
}

}  // namespace
}  // namespace kv::platform
