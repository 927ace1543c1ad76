#include "media/input/lane_key_table.h"

#include <cctype>
#include <string>

#include "base/dik.h"
#include "base/key_names.h"
#include "media/input/lanes.h"

namespace kv {

const char* const kLaneKeyTableBegin = "<!-- lane keys: made by readme_keys from the default bindings -->\n";
const char* const kLaneKeyTableEnd = "<!-- end of lane keys -->\n";

namespace {

constexpr int kKeysPerSide = 7;
constexpr int kLanesPerSide = 8;  // the turntable, then keys 1-7

struct KeyModeRow {
    int keyMode;
    const char* label;
    bool twoSides;
};

constexpr KeyModeRow kKeyModes[] = {
    {0, "5 keys", false},
    {1, "7 keys", false},
    {2, "10 keys", true},
    {3, "14 keys", true},
};

// What a player reads on the key cap.
std::string keyName(std::int32_t dik) {
    switch (dik) {
        case DIK_SPACE: return "Space";
        case DIK_LSHIFT: return "Left Shift";
        case DIK_RSHIFT: return "Right Shift";
        case DIK_RETURN: return "Enter";
        default: break;
    }
    // A backslash would escape the table's next cell border.
    const char c = charForKey(int(dik), false);
    if (c != 0 && c != '\\') return std::string(1, char(std::toupper(static_cast<unsigned char>(c))));
    const std::string_view name = dikName(int(dik));
    return name.empty() ? "?" : std::string(name);
}

// The turntable answers to two keys, one per direction.
std::string turntableCell(const KeyBindings& keyCodes, int binding) {
    return keyName(keyCodes[std::size_t(binding)]) + " or " + keyName(keyCodes[std::size_t(binding - 1)]);
}

std::string sideRow(const KeyBindings& keyCodes, int keyMode, int firstLane, const std::string& label) {
    std::string row = "| " + label + " | " + turntableCell(keyCodes, laneBinding(keyMode, firstLane)) + " |";
    for (int key = 1; key <= kKeysPerSide; ++key) {
        const int binding = laneBinding(keyMode, firstLane + key);
        row += binding < 0 ? " |" : " " + keyName(keyCodes[std::size_t(binding)]) + " |";
    }
    return row + "\n";
}

}  // namespace

std::string laneKeyTable(const KeyBindings& keyCodes) {
    std::string table = "| Chart | Turntable |";
    for (int key = 1; key <= kKeysPerSide; ++key) table += " Key " + std::to_string(key) + " |";
    table += "\n|---|---|";
    for (int key = 1; key <= kKeysPerSide; ++key) table += "---|";
    table += "\n";
    for (const KeyModeRow& mode : kKeyModes) {
        if (!mode.twoSides) {
            table += sideRow(keyCodes, mode.keyMode, 0, mode.label);
            continue;
        }
        table += sideRow(keyCodes, mode.keyMode, 0, std::string(mode.label) + ", player 1");
        table += sideRow(keyCodes, mode.keyMode, kLanesPerSide, std::string(mode.label) + ", player 2");
    }
    return table;
}

std::string withLaneKeyTable(const std::string& readme, const KeyBindings& keyCodes) {
    const std::size_t begin = readme.find(kLaneKeyTableBegin);
    if (begin == std::string::npos) return {};
    const std::size_t tableStart = begin + std::char_traits<char>::length(kLaneKeyTableBegin);
    const std::size_t end = readme.find(kLaneKeyTableEnd, tableStart);
    if (end == std::string::npos) return {};
    return readme.substr(0, tableStart) + laneKeyTable(keyCodes) + readme.substr(end);
}

}  // namespace kv
