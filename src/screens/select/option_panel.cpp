#include "screens/select/option_panel.h"

#include "base/dik.h"

namespace kv {

namespace {
using S = Settings;
constexpr OptionLine kNoLine = {nullptr, 0, 0};
}  // namespace

const std::array<OptionPage, kOptionPages> kOptionPageTable = {{
    {"BASIC OPTION", 6,
     {{{&S::SPEED, DIK_S, 20}, {&S::OBJECT, DIK_O, 12}, {&S::VIEW, DIK_V, 6}, {&S::AUTOPLAY, DIK_A, 3},
       {&S::REPLAY, DIK_R, 3}, {&S::NONSTOP, DIK_N, 2}, kNoLine}}},
    {"STYLE OPTION", 6,
     {{{&S::STYLE, DIK_S, 5}, {&S::KEY, DIK_K, 9}, {&S::LINE, DIK_L, 2}, {&S::EFFPOS, DIK_E, 4},
       {&S::GUIDE, DIK_G, 2}, {&S::LINEPOS, DIK_P, 3}, kNoLine}}},
    {"RULE OPTION", 7,
     {{{&S::GAUGE, DIK_G, 3}, {&S::COMBO, DIK_C, 4}, {&S::IGMISS, DIK_M, 2}, {&S::IGCOOL, DIK_I, 2},
       {&S::TEMPO, DIK_T, 5}, {&S::LEVEL, DIK_L, 3}, {&S::RANKING, DIK_R, 3}}}},
    {"SCREEN OPTION", 6,
     {{{&S::BGA, DIK_B, 8}, {&S::BACKGR, DIK_G, 3}, {&S::MSGPOS, DIK_M, 4}, {&S::TRANSP, DIK_T, 2},
       {&S::TITLESKIP, DIK_S, 2}, {&S::JUDGECOUNT, DIK_J, 2}, kNoLine}}},
    {"   ", 6,
     {{{&S::PERFECT2, DIK_P, 2}, {&S::MISSPITCH, DIK_M, 2}, {&S::COOLONLY, DIK_C, 2}, {&S::COMBOUP, DIK_B, 2},
       {&S::LAG, DIK_L, 2}, {&S::INVERSE, DIK_I, 2}, kNoLine}}},
}};

OptionPanel& optionPanel() {
    static OptionPanel panel;
    return panel;
}

int shownLineCount(int page, int playMode) {
    const int count = kOptionPageTable[page].lineCount;
    return page == 0 && playMode == 0 ? count - 1 : count;
}

void loadPage(OptionPanel& panel, const Settings& settings, int page) {
    const OptionPage& table = kOptionPageTable[page];
    for (int i = 0; i < table.lineCount; ++i) panel.values[i] = settings.*table.lines[i].field;
    updateUnrankedMarker(panel, settings);
}

void storePage(const OptionPanel& panel, Settings& settings, int page) {
    const OptionPage& table = kOptionPageTable[page];
    for (int i = 0; i < table.lineCount; ++i) settings.*table.lines[i].field = panel.values[i];
}

void updateUnrankedMarker(OptionPanel& panel, const Settings& s) {
    const bool unranked = s.TEMPO != 0 || s.IGMISS != 0 || s.IGCOOL != 0 || s.AUTOPLAY != 0 || s.RANKING == 0 ||
                          s.STYLE >= 4 || s.LEVEL != 0 || s.OBJECT == 11;
    panel.unrankedMarker = unranked ? 1 : 0;
}

int pressedOptionLine(const OptionPanel& panel, const std::uint8_t* keys, int playMode) {
    const OptionPage& table = kOptionPageTable[panel.page];
    for (int i = 0; i < shownLineCount(panel.page, playMode); ++i)
        if (keys[table.lines[i].hotKey] & kKeyDown) return i;
    return -1;
}

void stepOptionLine(OptionPanel& panel, Settings& settings, int line, bool back) {
    const int count = kOptionPageTable[panel.page].lines[line].codeCount;
    // A hand-edited file may hold a code outside the range; stepping brings it back in.
    int value = panel.values[line];
    if (value < 0 || value >= count) value = 0;
    else value = back ? (value + count - 1) % count : (value + 1) % count;
    panel.values[line] = std::int8_t(value);
    storePage(panel, settings, panel.page);
    updateUnrankedMarker(panel, settings);
}

void switchOptionPage(OptionPanel& panel, Settings& settings, int page) {
    storePage(panel, settings, panel.page);
    panel.page = page;
    loadPage(panel, settings, page);
}

}  // namespace kv
