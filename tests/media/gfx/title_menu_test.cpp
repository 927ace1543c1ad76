// The title screen's logic, step by step: the fly-out animation, the key
// latch, the cursor round the hexagon, Escape, K, J and F1.
#include <gtest/gtest.h>

#include "app/title_screen.h"

namespace kv {
namespace {

const std::array<int, 6> kFinalX{400, 352, 400, 480, 528, 480};
const std::array<int, 6> kFinalY{224, 304, 384, 384, 304, 224};

TEST(TitleMenu, TilesAndLogoArriveWithinHalfASecond) {
    TitleMenu menu;
    int tilesArrived = -1, logoArrived = -1;
    for (int step = 1; step <= 60; ++step) {
        menu.animate();
        if (tilesArrived < 0 && menu.tileX == kFinalX && menu.tileY == kFinalY) tilesArrived = step;
        if (logoArrived < 0 && menu.logoX == 32) logoArrived = step;
    }
    EXPECT_GE(tilesArrived, 40);
    EXPECT_LE(tilesArrived, 44);
    EXPECT_EQ(logoArrived, 43);
    EXPECT_EQ(menu.tileX, kFinalX) << "tiles stay in place";
    EXPECT_EQ(menu.logoX, 32);
}

TEST(TitleMenu, PulseRunsUpAndDownEvery32Steps) {
    TitleMenu menu;
    std::vector<int> pulses;
    for (int step = 0; step < 64; ++step) {
        menu.animate();
        pulses.push_back(menu.pulse);
    }
    EXPECT_EQ(pulses[15], 16);
    EXPECT_EQ(pulses[31], 0);
    EXPECT_EQ(pulses[47], 16);
    EXPECT_EQ(*std::min_element(pulses.begin(), pulses.end()), 0);
    EXPECT_EQ(*std::max_element(pulses.begin(), pulses.end()), 16);
}

struct Press {
    TitleKeys keys;
    TitleReaction reaction;
    int cursor;  // after the press
};

// Presses each key after a step with nothing held, as a player would.
void play(TitleMenu& menu, int& cursor, const std::vector<Press>& presses, bool singleSong, bool joypadOn,
          bool severalSkins) {
    for (std::size_t i = 0; i < presses.size(); ++i) {
        SCOPED_TRACE(i);
        menu.handleKeys({}, cursor, singleSong, joypadOn, severalSkins);
        EXPECT_EQ(menu.handleKeys(presses[i].keys, cursor, singleSong, joypadOn, severalSkins), presses[i].reaction);
        EXPECT_EQ(cursor, presses[i].cursor);
    }
}

TitleKeys up() { return {.previous = true}; }
TitleKeys downKey() { return {.next = true}; }

TEST(TitleMenu, KeyHeldFromThePreviousScreenWaitsForRelease) {
    TitleMenu menu;
    int cursor = 1;
    const TitleKeys confirm{.confirm = true};
    EXPECT_EQ(menu.handleKeys(confirm, cursor, false, true, false), TitleReaction::None);
    EXPECT_EQ(menu.handleKeys(confirm, cursor, false, true, false), TitleReaction::None);
    EXPECT_EQ(menu.result, -1);
    EXPECT_EQ(menu.handleKeys({}, cursor, false, true, false), TitleReaction::None);
    EXPECT_EQ(menu.handleKeys(confirm, cursor, false, true, false), TitleReaction::Chosen);
    EXPECT_EQ(menu.result, 1);
}

TEST(TitleMenu, CursorTurnsRoundTheHexagon) {
    TitleMenu menu;
    int cursor = 0;
    play(menu, cursor,
         {{up(), TitleReaction::CursorMoved, 5}, {up(), TitleReaction::CursorMoved, 4},
          {downKey(), TitleReaction::CursorMoved, 5}, {downKey(), TitleReaction::CursorMoved, 0},
          {downKey(), TitleReaction::CursorMoved, 1}},
         false, true, false);
}

TEST(TitleMenu, SingleSongModeSkipsEternalAndCourse) {
    TitleMenu menu;
    int cursor = 0;
    play(menu, cursor,
         {{up(), TitleReaction::CursorMoved, 4}, {downKey(), TitleReaction::CursorMoved, 0},
          {downKey(), TitleReaction::CursorMoved, 1}, {downKey(), TitleReaction::CursorMoved, 3},
          {up(), TitleReaction::CursorMoved, 1}},
         true, true, false);
    EXPECT_TRUE(titleItemHidden(2, true));
    EXPECT_TRUE(titleItemHidden(5, true));
    EXPECT_FALSE(titleItemHidden(2, false));
}

TEST(TitleMenu, EscapeGoesToExitThenLeaves) {
    TitleMenu menu;
    int cursor = 1;
    const TitleKeys escape{.escape = true};
    play(menu, cursor, {{escape, TitleReaction::None, 3}}, false, true, false);
    EXPECT_EQ(menu.result, -1);
    EXPECT_EQ(menu.handleKeys(escape, cursor, false, true, false), TitleReaction::None) << "still held";
    play(menu, cursor, {{escape, TitleReaction::ChosenSilently, 3}}, false, true, false);
    EXPECT_EQ(menu.result, 3);
}

TEST(TitleMenu, SetupKeysAndSkinCycling) {
    struct Case {
        TitleKeys keys;
        bool joypadOn, severalSkins;
        TitleReaction reaction;
        int result;
    };
    const Case cases[] = {
        {{.keySetup = true}, false, false, TitleReaction::Chosen, 6},
        {{.joypadSetup = true}, true, false, TitleReaction::Chosen, 7},
        {{.joypadSetup = true}, false, false, TitleReaction::None, -1},
        {{.nextSkin = true}, true, true, TitleReaction::SkinRequested, -1},
        {{.nextSkin = true}, true, false, TitleReaction::None, -1},
    };
    for (const Case& c : cases) {
        TitleMenu menu;
        int cursor = 0;
        menu.handleKeys({}, cursor, false, c.joypadOn, c.severalSkins);
        EXPECT_EQ(menu.handleKeys(c.keys, cursor, false, c.joypadOn, c.severalSkins), c.reaction);
        EXPECT_EQ(menu.result, c.result);
    }
}

}  // namespace
}  // namespace kv
