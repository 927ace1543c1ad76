#include "base/key_names.h"

#include <cctype>
#include <string>

#include "base/dik.h"
#include "base/text.h"

namespace kv {
namespace {

struct NamedKey {
    std::string_view name;
    int dik;
};

constexpr NamedKey kNames[] = {
#define KV_DIK_NAME(name, code) {#name, code},
    KV_DIK_KEYS(KV_DIK_NAME)
#undef KV_DIK_NAME
};

// Other names DirectInput itself offers for some keys.
constexpr NamedKey kAliases[] = {
    {"BACKSPACE", DIK_BACK},       {"NUMPADSTAR", DIK_MULTIPLY},  {"LALT", DIK_LMENU},
    {"CAPSLOCK", DIK_CAPITAL},     {"NUMPADMINUS", DIK_SUBTRACT}, {"NUMPADPLUS", DIK_ADD},
    {"NUMPADPERIOD", DIK_DECIMAL}, {"NUMPADSLASH", DIK_DIVIDE},   {"RALT", DIK_RMENU},
    {"UPARROW", DIK_UP},           {"PGUP", DIK_PRIOR},           {"LEFTARROW", DIK_LEFT},
    {"RIGHTARROW", DIK_RIGHT},     {"DOWNARROW", DIK_DOWN},       {"PGDN", DIK_NEXT},
    {"CIRCUMFLEX", DIK_PREVTRACK},
};

// US layout: the unshifted and shifted character of each typing key.
struct CharKey {
    int dik;
    char plain;
    char shifted;
};

constexpr CharKey kCharKeys[] = {
    {DIK_1, '1', '!'},          {DIK_2, '2', '@'},         {DIK_3, '3', '#'},           {DIK_4, '4', '$'},
    {DIK_5, '5', '%'},          {DIK_6, '6', '^'},         {DIK_7, '7', '&'},           {DIK_8, '8', '*'},
    {DIK_9, '9', '('},          {DIK_0, '0', ')'},         {DIK_MINUS, '-', '_'},       {DIK_EQUALS, '=', '+'},
    {DIK_Q, 'q', 'Q'},          {DIK_W, 'w', 'W'},         {DIK_E, 'e', 'E'},           {DIK_R, 'r', 'R'},
    {DIK_T, 't', 'T'},          {DIK_Y, 'y', 'Y'},         {DIK_U, 'u', 'U'},           {DIK_I, 'i', 'I'},
    {DIK_O, 'o', 'O'},          {DIK_P, 'p', 'P'},         {DIK_LBRACKET, '[', '{'},    {DIK_RBRACKET, ']', '}'},
    {DIK_A, 'a', 'A'},          {DIK_S, 's', 'S'},         {DIK_D, 'd', 'D'},           {DIK_F, 'f', 'F'},
    {DIK_G, 'g', 'G'},          {DIK_H, 'h', 'H'},         {DIK_J, 'j', 'J'},           {DIK_K, 'k', 'K'},
    {DIK_L, 'l', 'L'},          {DIK_SEMICOLON, ';', ':'}, {DIK_APOSTROPHE, '\'', '"'}, {DIK_GRAVE, '`', '~'},
    {DIK_BACKSLASH, '\\', '|'}, {DIK_Z, 'z', 'Z'},         {DIK_X, 'x', 'X'},           {DIK_C, 'c', 'C'},
    {DIK_V, 'v', 'V'},          {DIK_B, 'b', 'B'},         {DIK_N, 'n', 'N'},           {DIK_M, 'm', 'M'},
    {DIK_COMMA, ',', '<'},      {DIK_PERIOD, '.', '>'},    {DIK_SLASH, '/', '?'},       {DIK_SPACE, ' ', ' '},
};

}  // namespace

int dikFromName(std::string_view name) {
    if (name.size() > 4 && sameLetters(name.substr(0, 4), "DIK_")) name.remove_prefix(4);
    for (const auto& key : kNames)
        if (sameLetters(key.name, name)) return key.dik;
    for (const auto& key : kAliases)
        if (sameLetters(key.name, name)) return key.dik;
    return -1;
}

std::string_view dikName(int dik) {
    for (const auto& key : kNames)
        if (key.dik == dik) return key.name;
    return {};
}

KeyStroke keyForChar(char c) {
    for (const auto& key : kCharKeys) {
        if (key.plain == c) return {key.dik, false};
        if (key.shifted == c) return {key.dik, true};
    }
    return {};
}

char charForKey(int dik, bool shift) {
    for (const auto& key : kCharKeys)
        if (key.dik == dik) return shift ? key.shifted : key.plain;
    return 0;
}

}  // namespace kv
