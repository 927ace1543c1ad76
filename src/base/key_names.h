#pragma once
// Names and characters of scan codes: scripts name keys ("RETURN", "F1"),
// and the script's `type` and text fields turn characters into key presses
// and back (US layout).
#include <string_view>

namespace kv {

// Scan code for a key name, case-insensitive, with or without "DIK_"
// (a few common aliases such as BACKSPACE, LALT and PGUP are accepted).
// Returns -1 for an unknown name.
int dikFromName(std::string_view name);

// The name of a scan code without "DIK_", or "" when no key has that code.
std::string_view dikName(int dik);

struct KeyStroke {
    int dik = -1;  // -1: the character has no key
    bool shift = false;
};

// The key (and shift) that types a character on a US keyboard.
KeyStroke keyForChar(char c);

// The character a key types, with or without shift; 0 for keys that type
// nothing (cursor keys, F keys, ...).
char charForKey(int dik, bool shift);

}  // namespace kv
