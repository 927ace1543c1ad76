#include "platform/font_files.h"

#include <fontconfig/fontconfig.h>

#include <map>
#include <string_view>

#include "base/text.h"

namespace kv::platform {
namespace {

constexpr const char* kLiberation = "/usr/share/fonts/truetype/liberation/";
constexpr const char* kLiberation2 = "/usr/share/fonts/truetype/liberation2/";
constexpr const char* kNotoCjk = "/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc";

// fontconfig always answers with some font, so its answer counts only when
// one of the family names it gives is the one asked for.
std::optional<FontFile> askFontconfig(const std::string& family) {
    FcPattern* pattern = FcPatternCreate();
    if (!pattern) return std::nullopt;
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (!match) return std::nullopt;
    std::optional<FontFile> found;
    FcChar8* name = nullptr;
    for (int i = 0; !found && FcPatternGetString(match, FC_FAMILY, i, &name) == FcResultMatch; ++i) {
        FcChar8* file = nullptr;
        int index = 0;
        if (lowerAscii(reinterpret_cast<const char*>(name)) == family &&
            FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
            FcPatternGetInteger(match, FC_INDEX, 0, &index);
            found = FontFile{reinterpret_cast<const char*>(file), index};
        }
    }
    FcPatternDestroy(match);
    return found;
}

}  // namespace

// Narrow and the newer Liberation 2 faces live in separate Debian packages.
FontFile liberationFont(const char* file) {
    const bool narrow = std::string_view(file).find("Narrow") != std::string_view::npos;
    return {std::string(narrow ? kLiberation : kLiberation2) + file, 0};
}

FontFile cjkFont(int faceIndex) { return {kNotoCjk, faceIndex}; }

// Text is laid out many times a frame; each name is asked once per run.
std::optional<FontFile> installedFamily(const std::string& family) {
    static std::map<std::string, std::optional<FontFile>> known;
    auto it = known.find(family);
    if (it == known.end()) it = known.emplace(family, askFontconfig(family)).first;
    return it->second;
}

// The Windows faces are never installed here, and fontconfig's guesses
// for their names can be any face.
bool installedFacesFirst() { return false; }

}  // namespace kv::platform
