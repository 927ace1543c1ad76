#include "screens/results/result_keys.h"

namespace kv {

namespace {

struct KeyMeaning {
    int scanCode;
    ResultKeyKind kind;
    char symbol;
};

constexpr KeyMeaning kMeanings[] = {
    {DIK_ESCAPE, ResultKeyKind::Escape, 0}, {DIK_SPACE, ResultKeyKind::Space, 0},
    {DIK_RETURN, ResultKeyKind::Enter, 0},  {DIK_TAB, ResultKeyKind::Tab, 0},
    {DIK_BACK, ResultKeyKind::Erase, 0},    {DIK_LEFT, ResultKeyKind::Erase, 0},
    {DIK_RIGHT, ResultKeyKind::Advance, 0},
    {DIK_0, ResultKeyKind::Symbol, '0'}, {DIK_1, ResultKeyKind::Symbol, '1'}, {DIK_2, ResultKeyKind::Symbol, '2'},
    {DIK_3, ResultKeyKind::Symbol, '3'}, {DIK_4, ResultKeyKind::Symbol, '4'}, {DIK_5, ResultKeyKind::Symbol, '5'},
    {DIK_6, ResultKeyKind::Symbol, '6'}, {DIK_7, ResultKeyKind::Symbol, '7'}, {DIK_8, ResultKeyKind::Symbol, '8'},
    {DIK_9, ResultKeyKind::Symbol, '9'}, {DIK_A, ResultKeyKind::Symbol, 'A'}, {DIK_B, ResultKeyKind::Symbol, 'B'},
    {DIK_C, ResultKeyKind::Symbol, 'C'}, {DIK_D, ResultKeyKind::Symbol, 'D'}, {DIK_E, ResultKeyKind::Symbol, 'E'},
    {DIK_F, ResultKeyKind::Symbol, 'F'}, {DIK_G, ResultKeyKind::Symbol, 'G'}, {DIK_H, ResultKeyKind::Symbol, 'H'},
    {DIK_I, ResultKeyKind::Symbol, 'I'}, {DIK_J, ResultKeyKind::Symbol, 'J'}, {DIK_K, ResultKeyKind::Symbol, 'K'},
    {DIK_L, ResultKeyKind::Symbol, 'L'}, {DIK_M, ResultKeyKind::Symbol, 'M'}, {DIK_N, ResultKeyKind::Symbol, 'N'},
    {DIK_O, ResultKeyKind::Symbol, 'O'}, {DIK_P, ResultKeyKind::Symbol, 'P'}, {DIK_Q, ResultKeyKind::Symbol, 'Q'},
    {DIK_R, ResultKeyKind::Symbol, 'R'}, {DIK_S, ResultKeyKind::Symbol, 'S'}, {DIK_T, ResultKeyKind::Symbol, 'T'},
    {DIK_U, ResultKeyKind::Symbol, 'U'}, {DIK_V, ResultKeyKind::Symbol, 'V'}, {DIK_W, ResultKeyKind::Symbol, 'W'},
    {DIK_X, ResultKeyKind::Symbol, 'X'}, {DIK_Y, ResultKeyKind::Symbol, 'Y'}, {DIK_Z, ResultKeyKind::Symbol, 'Z'},
};

bool isDown(const std::uint8_t (&keys)[kKeyCount], int scanCode) { return (keys[scanCode] & kKeyDown) != 0; }

}  // namespace

ResultKeyReader::ResultKeyReader(const std::uint8_t (&keys)[kKeyCount]) {
    for (int code = 0; code < kKeyCount; ++code) down_[code] = isDown(keys, code);
}

std::vector<ResultKey> ResultKeyReader::newlyPressed(const std::uint8_t (&keys)[kKeyCount]) {
    std::vector<ResultKey> pressed;
    for (const KeyMeaning& meaning : kMeanings) {
        const bool down = isDown(keys, meaning.scanCode);
        if (down && !down_[meaning.scanCode]) pressed.push_back({meaning.kind, meaning.symbol});
        down_[meaning.scanCode] = down;
    }
    return pressed;
}

}  // namespace kv
