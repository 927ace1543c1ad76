#include "settings/settings_file.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <variant>

#include "base/text.h"
#include "platform/atomic_file.h"

namespace kv {

namespace {

using SmallField = std::int8_t Settings::*;
using WideField = std::int32_t Settings::*;

// One numeric key: its field and the codes its users can handle.
struct NumericKey {
    const char* name;
    std::variant<SmallField, WideField> field;
    int low;
    int high;
    bool resetWhenOutside = false;  // out-of-range values take the default instead of the nearest code
};

// In file order. SKIN is written after NAME, so it stands apart.
constexpr NumericKey kOptionKeys[] = {
    {"SPEED", &Settings::SPEED, 0, 19},
    {"OBJECT", &Settings::OBJECT, 0, 11},
    {"VIEW", &Settings::VIEW, 0, 5},
    {"AUTOPLAY", &Settings::AUTOPLAY, 0, 2},
    {"REPLAY", &Settings::REPLAY, 0, 2},
    {"NONSTOP", &Settings::NONSTOP, 0, 1},
    {"STYLE", &Settings::STYLE, 0, 4},
    {"KEY", &Settings::KEY, 0, 8},
    {"LINE", &Settings::LINE, 0, 1},
    {"EFFPOS", &Settings::EFFPOS, 0, 3},
    {"GUIDE", &Settings::GUIDE, 0, 1},
    {"LINEPOS", &Settings::LINEPOS, 0, 2},
    {"COMBO", &Settings::COMBO, 0, 3},
    {"IGMISS", &Settings::IGMISS, 0, 1},
    {"IGCOOL", &Settings::IGCOOL, 0, 1},
    {"BGA", &Settings::BGA, 0, 7},
    {"BACKGR", &Settings::BACKGR, 0, 2},
    {"MSGPOS", &Settings::MSGPOS, 0, 3},
    {"TRANSP", &Settings::TRANSP, 0, 1},
    {"JUDGECOUNT", &Settings::JUDGECOUNT, 0, 1},
    {"TEMPO", &Settings::TEMPO, 0, 4},
    {"TITLESKIP", &Settings::TITLESKIP, 0, 1},
    {"GAUGE", &Settings::GAUGE, 0, 2},
    {"LEVEL", &Settings::LEVEL, 0, 2},
    {"RANKING", &Settings::RANKING, 0, 2},
    {"FILTER", &Settings::FILTER, 0, 3},
    {"FILTER2", &Settings::FILTER2, 0, 3},
    {"SORT", &Settings::SORT, 0, 6},
    {"HEADER", &Settings::HEADER, 0, 3},
    {"FREESPEED", &Settings::FREESPEED, 5, 2550},
    {"WINDOW", &Settings::WINDOW, 0, 1},
    {"3BUFFERS", &Settings::THREEBUFFERS, 0, 1},
    {"SYSMEMORY", &Settings::SYSMEMORY, 0, 1},
    {"FLIP", &Settings::FLIP, 0, 1},
    {"WAIT", &Settings::WAIT, 0, 1},
    {"WAVLOAD", &Settings::WAVLOAD, 0, 1},
    {"WAVQUAL", &Settings::WAVQUAL, 0, 2},
    {"USEJOYPAD", &Settings::USEJOYPAD, 0, 1},
    {"BPMEDIT", &Settings::BPMEDIT, 0, 100, true},
    {"MAXFPS", &Settings::MAXFPS, 1, 99999},  // a frame cap of 0 would divide by zero
};
// The skin list is only known later; the skin reader checks the upper end.
constexpr NumericKey kSkinKey = {"SKIN", &Settings::SKIN, 0, 127};
// Lines beyond the classic file, kept as written.
constexpr NumericKey kExtensionKeys[] = {
    {"JUDGEOFFSET", &Settings::JUDGEOFFSET, -99, 99},
    {"LONGNOTES", &Settings::LONGNOTES, 0, 1},
    {"STOPS", &Settings::STOPS, 0, 1},
};

int readField(const Settings& settings, const NumericKey& key) {
    return std::visit([&](auto field) { return int(settings.*field); }, key.field);
}

void storeField(Settings& settings, const NumericKey& key, std::int32_t value) {
    static const Settings defaults;
    // A one-byte field keeps the low 8 bits of what the file says.
    if (std::holds_alternative<SmallField>(key.field)) value = std::int8_t(std::uint8_t(value & 0xFF));
    if (value < key.low || value > key.high)
        value = key.resetWhenOutside ? readField(defaults, key) : std::clamp(value, key.low, key.high);
    std::visit([&](auto field) { settings.*field = static_cast<std::remove_reference_t<decltype(settings.*field)>>(value); },
               key.field);
}

const NumericKey* findNumericKey(const char* name) {
    if (std::strcmp(name, kSkinKey.name) == 0) return &kSkinKey;
    for (const NumericKey& key : kOptionKeys)
        if (std::strcmp(name, key.name) == 0) return &key;
    return nullptr;
}

std::string restOfLine(const char* value, std::size_t limit) {
    char rest[kLineBufferSize];
    takeRest(value, rest);
    return std::string(rest, std::min(std::strlen(rest), limit));
}

// 18 numbers; after each the reader steps over the number's width and one
// blank, as the file has always been read. It never steps past the line's
// end: missing numbers read as 0. That step fits only codes of at most three
// digits, so any other code binds nothing: written back, it would shift
// every binding after it on the next read.
void readBindings(const char* value, std::array<std::int32_t, kBindingCount>& codes, std::int32_t unbound) {
    const char* end = value + std::strlen(value);
    for (std::int32_t& code : codes) {
        code = parseSignedInt(value);
        const int step = code < 10 ? 2 : code < 100 ? 3 : 4;
        value = std::min(value + step, end);
        if (code < 0 || code > 999) code = unbound;
    }
}

const NumericKey* findExtensionKey(const char* name) {
    for (const NumericKey& key : kExtensionKeys)
        if (std::strcmp(name, key.name) == 0) return &key;
    return nullptr;
}

void applyLine(Settings& settings, const char* line) {
    char key[80];
    const char* value = line + takeFirstWord(line, key);
    upcaseAscii(key);
    if (const NumericKey* extension = findExtensionKey(key)) {
        storeField(settings, *extension, parseSignedInt(value));
        settings.extensionLines.emplace_back(line);
    } else if (const NumericKey* numeric = findNumericKey(key)) {
        storeField(settings, *numeric, parseSignedInt(value));
    } else if (std::strcmp(key, "NAME") == 0) {
        settings.NAME = restOfLine(value, kNameLength);
        upcaseAscii(settings.NAME.data());
    } else if (std::strcmp(key, "LFONT") == 0) {
        settings.LFONT = restOfLine(value, kFontNameLength);
    } else if (std::strcmp(key, "SFONT") == 0) {
        settings.SFONT = restOfLine(value, kFontNameLength);
    } else if (std::strcmp(key, "PATH") == 0) {
        if (settings.PATH.size() < kMaxPaths) settings.PATH.push_back(restOfLine(value, kPathLength));
    } else if (std::strcmp(key, "KEYCODE") == 0) {
        readBindings(value, settings.KEYCODE, 0);
    } else if (std::strcmp(key, "JOYCODE") == 0) {
        readBindings(value, settings.JOYCODE, kJoypadUnbound);
    }
}

void addLine(std::string& out, const std::string& line) { out += line + "\r\n"; }

void addNumber(std::string& out, const Settings& settings, const NumericKey& key) {
    addLine(out, std::string(key.name) + " " + std::to_string(readField(settings, key)));
}

void addBindings(std::string& out, const char* name, const std::array<std::int32_t, kBindingCount>& codes) {
    std::string line = name;
    for (std::int32_t code : codes) line += " " + std::to_string(code);
    addLine(out, line);
}

std::string formatSettings(const Settings& settings) {
    std::string out;
    addLine(out, "- kelvarin][ beta ver. config file -");
    addLine(out, "");
    for (const NumericKey& key : kOptionKeys) addNumber(out, settings, key);
    addLine(out, "NAME " + settings.NAME);
    addNumber(out, settings, kSkinKey);
    addBindings(out, "KEYCODE", settings.KEYCODE);
    addBindings(out, "JOYCODE", settings.JOYCODE);
    addLine(out, "");
    addLine(out, "LFONT " + settings.LFONT);
    addLine(out, "SFONT " + settings.SFONT);
    for (const std::string& path : settings.PATH) addLine(out, "PATH " + path);
    for (const std::string& line : settings.extensionLines) addLine(out, line);
    return out;
}

}  // namespace

int loadSettings(Settings& settings, const std::filesystem::path& file) {
    Settings fresh;
    fresh.LFONT = settings.LFONT;
    fresh.SFONT = settings.SFONT;
    settings = fresh;

    TextFile text(file);
    if (!text.isOpen()) return 0;
    bool more = true;
    while (more) {
        more = readConfigLine(text);
        applyLine(settings, text.lineBuffer);
    }
    return 1;
}

int saveSettings(const Settings& settings, const std::filesystem::path& file) {
    return platform::writeFileAtomically(file, std::string_view(formatSettings(settings))) ? 1 : 0;
}

}  // namespace kv
