#include "platform/font_files.h"

#include <windows.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <filesystem>
#include <map>
#include <string_view>

#include "base/text.h"
#include "platform/files.h"
#include "platform/font_face_file.h"
#include "platform/path_text.h"

namespace kv::platform {
namespace {

namespace fs = std::filesystem;

// The free faces ship in the package's "fonts" folder with their licences.
std::string shippedFont(const char* file) { return executableFolder() + "fonts/" + file; }

std::string trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return std::string(text);
}

// The system's font list names each file by its families: "Arial
// (TrueType)", or for a collection "MS Gothic & MS UI Gothic & MS PGothic
// (TrueType)", the faces in the order the file holds them.
using FamilyFiles = std::map<std::string, FontFile>;

void addEntry(FamilyFiles& families, std::string_view entry, const std::string& file) {
    const std::size_t kind = entry.rfind(" (");
    if (kind != std::string_view::npos) entry = entry.substr(0, kind);
    int face = 0;
    while (!entry.empty()) {
        const std::size_t split = entry.find('&');
        families.emplace(lowerAscii(trimmed(entry.substr(0, split))), FontFile{file, face++});
        entry = split == std::string_view::npos ? std::string_view() : entry.substr(split + 1);
    }
}

std::string fontsFolder() {
    wchar_t windows[MAX_PATH];
    const UINT length = GetWindowsDirectoryW(windows, MAX_PATH);
    return length > 0 && length < MAX_PATH ? fs::path(std::wstring(windows, length)).generic_string() + "/Fonts/"
                                           : std::string("C:/Windows/Fonts/");
}

FamilyFiles readInstalledFonts() {
    FamilyFiles families;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts", 0, KEY_READ,
                      &key) != ERROR_SUCCESS)
        return families;
    const std::string folder = fontsFolder();
    for (DWORD index = 0;; ++index) {
        char name[512], value[MAX_PATH];
        DWORD nameSize = sizeof name, valueSize = sizeof value, type = 0;
        const LONG status = RegEnumValueA(key, index, name, &nameSize, nullptr, &type,
                                          reinterpret_cast<BYTE*>(value), &valueSize);
        if (status == ERROR_NO_MORE_ITEMS) break;
        if (status != ERROR_SUCCESS || type != REG_SZ || valueSize == 0) continue;
        const std::string file(value, strnlen(value, valueSize));
        // A bare file name lives in the system's fonts folder.
        const std::string path = pathFromText(file).is_absolute() ? file : folder + file;
        std::error_code error;
        if (fs::is_regular_file(pathFromText(path), error)) addEntry(families, std::string_view(name, nameSize), path);
    }
    RegCloseKey(key);
    return families;
}

// The face of a collection whose family is `family`: the system's list
// may name each face of one file separately, without its index.
int faceNamed(const std::string& path, const std::string& family, int listed) {
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) return listed;
    int found = listed;
    FT_Face face = nullptr;
    const FT_Long faces = openFontFace(library, path, -1, &face) == 0 ? face->num_faces : 0;
    if (face) FT_Done_Face(face);
    for (FT_Long index = 0; index < faces && found == listed; ++index) {
        if (openFontFace(library, path, index, &face) != 0) continue;
        if (face->family_name && lowerAscii(face->family_name) == family) found = int(index);
        FT_Done_Face(face);
    }
    FT_Done_FreeType(library);
    return found;
}

}  // namespace

FontFile liberationFont(const char* file) { return {shippedFont(file), 0}; }

FontFile cjkFont(int faceIndex) { return {shippedFont("NotoSansCJK-Regular.ttc"), faceIndex}; }

// Text is laid out many times a frame; each name is looked up once per run.
std::optional<FontFile> installedFamily(const std::string& family) {
    static const FamilyFiles installed = readInstalledFonts();
    static std::map<std::string, std::optional<FontFile>> known;
    auto it = known.find(family);
    if (it != known.end()) return it->second;
    std::optional<FontFile> found;
    if (const auto entry = installed.find(family); entry != installed.end())
        found = FontFile{entry->second.path, faceNamed(entry->second.path, family, entry->second.faceIndex)};
    return known.emplace(family, found).first->second;
}

// The names in the settings were chosen for Windows, so here they are
// usually installed under those very names.
bool installedFacesFirst() { return true; }

}  // namespace kv::platform
