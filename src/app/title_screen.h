#pragma once
// The title screen: six tiles fly out to a hexagon while the logo slides
// in; the cursor turns round the hexagon, Return or Space confirms, K and
// J open the key and joypad setup, F1 cycles the skins.
#include <array>

namespace kv {

constexpr int kTitleMusicSlot = 577, kTitleCursorSlot = 578, kTitleCheckSlot = 579;
constexpr int kTitleTileCount = 6;
constexpr int kTitleExitItem = 3;
constexpr int kLogoWidth = 353, kLogoHeight = 145;

// The title keys down in one logic step.
struct TitleKeys {
    bool previous = false;  // cursor up or right
    bool next = false;      // cursor down or left
    bool confirm = false;   // Return or Space
    bool keySetup = false;  // K
    bool joypadSetup = false;  // J
    bool escape = false;
    bool nextSkin = false;  // F1
};

enum class TitleReaction { None, CursorMoved, Chosen, ChosenSilently, SkinRequested };

// Where the title stands in one visit; the screen advances it in 12 ms steps.
struct TitleMenu {
    bool latch = true;  // a key held from the previous screen does nothing until released
    int pulse = 0;
    int pulseDirection = 1;
    int logoX = 287;
    std::array<int, kTitleTileCount> tileX{440, 440, 440, 440, 440, 440};
    std::array<int, kTitleTileCount> tileY{304, 304, 304, 304, 304, 304};
    int result = -1;  // the choice once made: 0-5 a menu item, 6 key setup, 7 joypad setup

    // One animation step: the pulse, the tiles towards the hexagon, the logo left.
    void animate();
    // Handles at most one key (in the order of TitleKeys' fields); `cursor`
    // is the shell's title cursor. In single-song mode the eternal and
    // course items are skipped.
    TitleReaction handleKeys(const TitleKeys& keys, int& cursor, bool singleSong, bool joypadOn, bool severalSkins);
};

// Hidden in single-song mode: eternal play and course play.
bool titleItemHidden(int item, bool singleSong);

// Runs until a choice is made: 0-5 the menu item, 6 key setup, 7 joypad
// setup; 0 at once when the quit message arrives.
int titleScreen();

}  // namespace kv
