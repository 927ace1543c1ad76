#pragma once
// Typing a four-character ranking name: digits, capital letters and blanks.
#include <array>
#include <string>

#include "screens/results/ranking.h"

namespace kv {

enum class NameKey { Character, Erase, Advance, Confirm };

struct NameEntry {
    std::array<char, kNameLength> name{' ', ' ', ' ', ' '};
    int cursor = 0;  // place of the next character, 0-4
};

// The usable part of the NAME setting: its leading digits and capitals, at most four.
std::string defaultRankingName(const std::string& nameSetting);
// Starts the entry with the default name typed in.
NameEntry startNameEntry(const std::string& nameSetting);
// Applies one key; returns true when Enter accepted the name.
bool applyNameKey(NameEntry& entry, NameKey key, char character = ' ');
// NAME takes the entered name unless the player keeps it unset ("*...").
void rememberRankingName(std::string& nameSetting, const NameEntry& entry);

}  // namespace kv
