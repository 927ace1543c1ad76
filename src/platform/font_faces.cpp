#include "platform/font_faces.h"

#include <algorithm>
#include <optional>

#include "base/text.h"
#include "platform/font_files.h"
#include "platform/path_text.h"

namespace kv::platform {
namespace {

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

template <std::size_t N>
bool listed(const char* const (&names)[N], const std::string& name) {
    return std::find_if(std::begin(names), std::end(names), [&](const char* n) { return name == n; }) !=
           std::end(names);
}

// The installed face, where faces come first, ahead of the given chain.
std::vector<FontFile> withInstalled(const std::string& name, std::vector<FontFile> chain) {
    if (installedFacesFirst())
        if (std::optional<FontFile> installed = installedFamily(name)) chain.insert(chain.begin(), *installed);
    return chain;
}

}  // namespace

std::vector<FontFile> fontChain(std::string_view typeface) {
    if (pathFromText(typeface).is_absolute()) return {{std::string(typeface), 0}, cjkFont(0)};
    const std::string name = lowerAscii(typeface);
    if (listed(kJapaneseFaces, name)) return withInstalled(name, {cjkFont(0)});
    if (listed(kKoreanFaces, name)) return withInstalled(name, {cjkFont(1)});
    for (const Alias& alias : kAliases)
        if (name == alias.typeface) return withInstalled(name, {liberationFont(alias.file), cjkFont(0)});
    if (std::optional<FontFile> installed = installedFamily(name)) return {*installed, cjkFont(0)};
    return {liberationFont("LiberationSans-Regular.ttf"), cjkFont(0)};
}

}  // namespace kv::platform
