#include "screens/results/name_entry.h"

namespace kv {

namespace {

constexpr int kNamePlaces = static_cast<int>(kNameLength);

bool isNameSymbol(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z'); }

}  // namespace

std::string defaultRankingName(const std::string& nameSetting) {
    std::string name;
    for (char c : nameSetting) {
        if (!isNameSymbol(c) || name.size() == kNameLength) break;
        name += c;
    }
    return name;
}

NameEntry startNameEntry(const std::string& nameSetting) {
    NameEntry entry;
    for (char c : defaultRankingName(nameSetting)) entry.name[entry.cursor++] = c;
    return entry;
}

bool applyNameKey(NameEntry& entry, NameKey key, char character) {
    switch (key) {
        case NameKey::Character:
            if (entry.cursor < kNamePlaces && isNameSymbol(character)) entry.name[entry.cursor++] = character;
            return false;
        case NameKey::Erase:
            if (entry.cursor > 0) entry.name[--entry.cursor] = ' ';
            return false;
        case NameKey::Advance:
            if (entry.cursor < kNamePlaces) entry.name[entry.cursor++] = ' ';
            return false;
        case NameKey::Confirm:
            return entry.cursor > 0;
    }
    return false;
}

void rememberRankingName(std::string& nameSetting, const NameEntry& entry) {
    if (!nameSetting.empty() && nameSetting[0] == '*') return;
    nameSetting.assign(entry.name.begin(), entry.name.end());
}

}  // namespace kv
