#include "media/gfx/skin.h"

#include <algorithm>
#include <cstring>

#include "base/text.h"
#include "media/gfx/display.h"
#include "media/gfx/picture_file.h"
#include "media/gfx/picture_loading.h"
#include "platform/files.h"
#include "platform/path_text.h"

namespace kv {

Skin skin;
SkinList skinList;

namespace {

using PictureField = std::string Skin::*;
using ColourField = Pixel Skin::*;

struct PictureKey {
    const char* key;
    PictureField field;
    const char* fallback;
};

constexpr PictureKey kPictureKeys[] = {
    {"TITLE", &Skin::TITLE, "kv2title.pic"},       {"SELECT", &Skin::SELECT, "kv2select.pic"},
    {"BEMUSIC", &Skin::BEMUSIC, "kv2-sc-b.pic"},   {"UPWAY", &Skin::UPWAY, "kv2-sc-u.pic"},
    {"SCAN2", &Skin::SCAN2, "kv2-sc-s.pic"},       {"WAVE", &Skin::WAVE, "kv2-sc-w.pic"},
    {"BONUS", &Skin::BONUS, "kv2-sc-x.pic"},       {"RESULT", &Skin::RESULT, "kv2result.pic"},
    {"CRESULT", &Skin::CRESULT, "kv2result2.pic"}, {"FONT", &Skin::FONT, "kv2font.pic"},
    {"FONT2", &Skin::FONT2, "kv2font2.pic"},       {"LISTEN", &Skin::LISTEN, "kv2listen.pic"},
    {"LOAD", &Skin::LOAD, "kv2load.pic"},          {"BOARD", &Skin::BOARD, "kv2board.pic"},
    {"BACKGR", &Skin::BACKGR, "kv2backgr.bmp"},
};

struct ColourKey {
    const char* key;
    ColourField field;
    Pixel fallback;
};

constexpr ColourKey kColourKeys[] = {
    {"FONTCOLOR", &Skin::FONTCOLOR, 0xFFFFFF},
    {"COMCOLOR", &Skin::COMCOLOR, 0xFFFF00},
    {"CLEARCOLOR", &Skin::CLEARCOLOR, 0x00FFFF},
};

void resetSkin() {
    for (const PictureKey& k : kPictureKeys) skin.*k.field = k.fallback;
    for (const ColourKey& k : kColourKeys) skin.*k.field = k.fallback;
}

// "RRGGBB"; characters after the sixth are ignored. A missing pair counts
// as 0 rather than reading past the value.
Pixel parseColour(const char* value) {
    char digits[7] = {};
    for (int i = 0; i < 6 && value[i]; ++i) digits[i] = value[i];
    auto component = [&](int at) { return std::max<int>(parseHexPair(digits + at), 0); };
    return rgb(component(0), component(2), component(4));
}

void applySkinLine(const char* line) {
    char key[kLineBufferSize];
    char value[kLineBufferSize];
    const int advance = takeFirstWord(line, key);
    upcaseAscii(key);
    takeRest(line + advance, value);
    for (const PictureKey& k : kPictureKeys)
        if (std::strcmp(key, k.key) == 0 && platform::fileExists(value)) skin.*k.field = platform::resolvePath(value);
    for (const ColourKey& k : kColourKeys)
        if (std::strcmp(key, k.key) == 0) skin.*k.field = parseColour(value);
}

}  // namespace

void listSkins(const std::string& folder) {
    skinList = SkinList{};
    skinList.names[0] = kDefaultSkinFile;
    for (std::string name : platform::listFolder(folder, "*.kzk", platform::EntryKind::Files)) {
        if (skinList.count >= kMaxSkins) break;
        upcaseAscii(name.data());
        if (name != kDefaultSkinFile) skinList.names[skinList.count++] = name;
    }
}

int readSkin(const std::string& fileName) {
    resetSkin();
    TextFile file(platform::pathFromText(platform::resolvePath(fileName)));
    if (!file.isOpen()) return 0;
    bool more = true;
    while (more) {
        more = readConfigLine(file);
        applySkinLine(file.lineBuffer);
    }
    return 1;
}

std::vector<std::string> missingSkinSheets() {
    std::vector<std::string> missing;
    for (const PictureKey& k : kPictureKeys)
        if (findPictureFile(skin.*k.field).empty()) missing.push_back(skin.*k.field);
    return missing;
}

int validSkinIndex(int skinSetting) { return skinSetting >= 0 && skinSetting < skinList.count ? skinSetting : 0; }

bool cycleSkin(int& skinSetting) {
    if (skinList.count <= 1) return false;
    skinSetting = (validSkinIndex(skinSetting) + 1) % skinList.count;
    readSkin(skinList.names[skinSetting]);
    return true;
}

int loadSkinSheet(int slot, const std::string& fileName) {
    const int result = loadPicture(slot, fileName);
    Surface* sheet = slotSurface(slot);
    if (result != 1 && sheet) std::fill(sheet->pixels.begin(), sheet->pixels.end(), Pixel(0));
    return result;
}

}  // namespace kv
