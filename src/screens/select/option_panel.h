#pragma once
// The select screen's option panel: five pages of play options, each line
// stepped by its own hot key, and the marker that tells whether the
// current options still allow a ranked score.
#include <array>
#include <cstdint>
#include <string>

#include "settings/settings.h"

namespace kv {

constexpr int kOptionPages = 5;
constexpr int kOptionLinesPerPage = 7;

struct OptionLine {
    std::int8_t Settings::*field;
    int hotKey;     // DIK_ scan code
    int codeCount;  // codes run 0 .. codeCount - 1
};

struct OptionPage {
    const char* title;
    int lineCount;
    std::array<OptionLine, kOptionLinesPerPage> lines;
};

extern const std::array<OptionPage, kOptionPages> kOptionPageTable;

struct OptionPanel {
    int page = 0;  // kept for the whole run
    std::array<std::int8_t, kOptionLinesPerPage> values = {};
    int unrankedMarker = 1;
};

// The panel of the running game.
OptionPanel& optionPanel();

// Lines of a page the player can see and step: NONSTOP (the last line of
// the first page) only matters in course and eternal play.
int shownLineCount(int page, int playMode);

void loadPage(OptionPanel& panel, const Settings& settings, int page);
void storePage(const OptionPanel& panel, Settings& settings, int page);
void updateUnrankedMarker(OptionPanel& panel, const Settings& settings);

// The first shown line of the current page whose hot key is down, or -1.
int pressedOptionLine(const OptionPanel& panel, const std::uint8_t* keys, int playMode);
// Steps one line forward (backward with `back`, as left shift asks), with
// wrap, then writes the page back and recomputes the marker.
void stepOptionLine(OptionPanel& panel, Settings& settings, int line, bool back);
// Writes the shown page back and shows another (the F1-F5 keys).
void switchOptionPage(OptionPanel& panel, Settings& settings, int page);

}  // namespace kv
