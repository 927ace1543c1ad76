#pragma once
// Every play option, list option and system setting of the game, one field
// per "KV2.CFG" key (the field names are the file's keys). One instance
// lives for the whole run: filled at start, changed by the option panel,
// the title, the setup screens and name entry, written back at exit.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kv {

constexpr int kBindingCount = 18;     // controls of KEYCODE/JOYCODE: 9 per player side
constexpr int kJoypadUnbound = 999;   // JOYCODE value of a control with no button
constexpr std::size_t kNameLength = 4;
constexpr std::size_t kFontNameLength = 79;
constexpr std::size_t kPathLength = 159;
constexpr std::size_t kMaxPaths = 50;

struct Settings {
    // Play options, in file order; codes as the option panel lists them.
    std::int8_t SPEED = 2;
    std::int8_t OBJECT = 0;
    std::int8_t VIEW = 0;
    std::int8_t AUTOPLAY = 0;
    std::int8_t REPLAY = 0;
    std::int8_t NONSTOP = 0;
    std::int8_t STYLE = 0;
    std::int8_t KEY = 0;
    std::int8_t LINE = 0;
    std::int8_t EFFPOS = 0;
    std::int8_t GUIDE = 0;
    std::int8_t LINEPOS = 0;
    std::int8_t COMBO = 1;
    std::int8_t IGMISS = 0;
    std::int8_t IGCOOL = 0;
    std::int8_t BGA = 1;
    std::int8_t BACKGR = 0;
    std::int8_t MSGPOS = 0;
    std::int8_t TRANSP = 0;
    std::int8_t JUDGECOUNT = 1;
    std::int8_t TEMPO = 0;
    std::int8_t TITLESKIP = 1;
    std::int8_t GAUGE = 0;
    std::int8_t LEVEL = 0;
    std::int8_t RANKING = 1;
    // Song list options.
    std::int8_t FILTER = 0;
    std::int8_t FILTER2 = 0;
    std::int8_t SORT = 0;
    std::int8_t HEADER = 0;
    std::int32_t FREESPEED = 10;  // tenths of the scroll multiplier
    // System settings.
    std::int8_t WINDOW = 0;
    std::int8_t THREEBUFFERS = 1;  // file key "3BUFFERS"
    std::int8_t SYSMEMORY = 0;
    std::int8_t FLIP = 1;
    std::int8_t WAIT = 1;
    std::int8_t WAVLOAD = 0;
    std::int8_t WAVQUAL = 0;
    std::int8_t USEJOYPAD = 1;
    std::int32_t BPMEDIT = 50;  // tempo trim, 50 = unchanged
    std::int32_t MAXFPS = 500;
    std::string NAME = "****";  // "****" = no default ranking name
    std::int8_t SKIN = 0;
    // Per control: left EFFECT, EFFECT ONEMORE, KEYBOARD 1-7, then the right side.
    std::array<std::int32_t, kBindingCount> KEYCODE = {57, 42, 44, 31, 45, 32, 46, 33, 47,
                                                       54, 28, 48, 35, 49, 36, 50, 37, 51};
    std::array<std::int32_t, kBindingCount> JOYCODE = {999, 999, 999, 999, 999, 999, 999, 999, 999,
                                                       999, 999, 999, 999, 999, 999, 999, 0,   0};
    std::string LFONT = "impact";
    std::string SFONT = "times new roman";
    std::vector<std::string> PATH;  // extra song folders

    // Extensions beyond the classic game. Each has a line of its own; a
    // missing line reads as the classic behaviour.
    std::int32_t JUDGEOFFSET = 0;  // ms (-99..99) a press may come after the sound and still be exact
    std::int8_t LONGNOTES = 0;     // 1: long notes, and ".bml" charts in the library
    std::int8_t STOPS = 0;         // 1: #STOP pauses the chart
    // The extension lines as the file held them, written back byte for byte.
    std::vector<std::string> extensionLines;
    bool longNotesOn() const { return LONGNOTES == 1; }
    bool stopsOn() const { return STOPS == 1; }

    // Run-only toggles: never written, off at every start.
    std::int8_t PERFECT2 = 0;
    std::int8_t MISSPITCH = 0;
    std::int8_t COOLONLY = 0;
    std::int8_t COMBOUP = 0;
    std::int8_t LAG = 0;
    std::int8_t INVERSE = 0;
};

// The game's one settings record.
Settings& settings();

}  // namespace kv
