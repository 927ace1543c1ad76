#pragma once
// Skins: the picture file names and text colours every scene uses, read
// from ".kzk" definition files in the program folder.
#include <array>
#include <string>
#include <vector>

#include "base/surface.h"

namespace kv {

// Field names are the keys of the definition file.
struct Skin {
    std::string TITLE, SELECT, BEMUSIC, UPWAY, SCAN2, WAVE, BONUS, RESULT, CRESULT, FONT, FONT2, LISTEN, LOAD,
        BOARD, BACKGR;
    Pixel FONTCOLOR = 0, COMCOLOR = 0, CLEARCOLOR = 0;  // 0x00RRGGBB
};

extern Skin skin;

constexpr int kMaxSkins = 50;
constexpr const char* kDefaultSkinFile = "DEFAULT.KZK";

// Entry 0 is always DEFAULT.KZK, whether or not that file exists.
struct SkinList {
    std::array<std::string, kMaxSkins> names;
    int count = 1;
};

extern SkinList skinList;

// Lists the "*.kzk" files of the folder (upper-cased, in name order) after
// DEFAULT.KZK, which is never listed twice.
void listSkins(const std::string& folder = ".");

// Resets every value to the built-in default, then applies the file.
// 1 when it was read, 0 when it could not be opened (defaults stand).
int readSkin(const std::string& fileName);

// The sheets of the skin just read whose files do not exist; a skin file
// that names a missing sheet falls back to the default name, so these are
// the files the build puts in the program folder.
std::vector<std::string> missingSkinSheets();

// The list entry a SKIN setting names; a value outside the list (skin files
// removed since it was saved) falls back to entry 0.
int validSkinIndex(int skinSetting);

// Loads a skin sheet into a scene slot (as loadPicture). A sheet that cannot
// be loaded leaves the slot black, which draws nothing, rather than the
// pictures of the screen before.
int loadSkinSheet(int slot, const std::string& fileName);

// F1 on the title: with more than one skin, moves `skinSetting` to the next
// entry (wrapping) and reads it. Returns whether the skin changed.
bool cycleSkin(int& skinSetting);

}  // namespace kv
