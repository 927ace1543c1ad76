#include "platform/font_faces.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>

namespace kv::platform {
namespace {

constexpr const char* kLiberation = "/usr/share/fonts/truetype/liberation/";
constexpr const char* kLiberation2 = "/usr/share/fonts/truetype/liberation2/";
constexpr const char* kNotoCjk = "/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc";

struct Alias {
    const char* typeface;
    const char* file;  // inside the Liberation folders
};

// Impact has no metric-compatible free face; a condensed bold sans is the
// nearest in look. The others are metric-compatible.
constexpr Alias kAliases[] = {
    {"impact", "LiberationSansNarrow-Bold.ttf"},
    {"arial narrow", "LiberationSansNarrow-Regular.ttf"},
    {"times new roman", "LiberationSerif-Regular.ttf"},
    {"times", "LiberationSerif-Regular.ttf"},
    {"arial", "LiberationSans-Regular.ttf"},
    {"helvetica", "LiberationSans-Regular.ttf"},
    {"courier new", "LiberationMono-Regular.ttf"},
    {"courier", "LiberationMono-Regular.ttf"},
};

// Japanese and Korean system faces: the CJK face leads the chain.
constexpr const char* kJapaneseFaces[] = {"ms gothic", "ms pgothic", "ms mincho", "ms pmincho", "meiryo"};
constexpr const char* kKoreanFaces[] = {"gulim", "gulimche", "dotum", "dotumche", "batang", "gungsuh", "malgun gothic"};

std::string lowerAscii(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    return lower;
}

template <std::size_t N>
bool listed(const char* const (&names)[N], const std::string& name) {
    return std::find_if(std::begin(names), std::end(names), [&](const char* n) { return name == n; }) !=
           std::end(names);
}

// Narrow and the newer Liberation 2 faces live in separate Debian packages.
const char* liberationFolder(const char* file) {
    return std::string_view(file).find("Narrow") != std::string_view::npos ? kLiberation : kLiberation2;
}

// The regular face of an installed family of exactly this name. fontconfig
// always answers with some font, so its answer counts only when one of the
// family names it gives is the one asked for.
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

// Text is laid out many times a frame; each name is asked once per run.
std::optional<FontFile> installedFamily(const std::string& family) {
    static std::map<std::string, std::optional<FontFile>> known;
    auto it = known.find(family);
    if (it == known.end()) it = known.emplace(family, askFontconfig(family)).first;
    return it->second;
}

}  // namespace

std::vector<FontFile> fontChain(std::string_view typeface) {
    if (typeface.starts_with('/')) return {{std::string(typeface), 0}, {kNotoCjk, 0}};
    const std::string name = lowerAscii(typeface);
    if (listed(kJapaneseFaces, name)) return {{kNotoCjk, 0}};
    if (listed(kKoreanFaces, name)) return {{kNotoCjk, 1}};
    for (const Alias& alias : kAliases)
        if (name == alias.typeface) return {{std::string(liberationFolder(alias.file)) + alias.file, 0}, {kNotoCjk, 0}};
    if (std::optional<FontFile> installed = installedFamily(name)) return {*installed, {kNotoCjk, 0}};
    const char* fallback = "LiberationSans-Regular.ttf";
    return {{std::string(liberationFolder(fallback)) + fallback, 0}, {kNotoCjk, 0}};
}

}  // namespace kv::platform
