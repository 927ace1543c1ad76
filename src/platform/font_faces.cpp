#include "platform/font_faces.h"

#include <algorithm>
#include <cctype>

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

}  // namespace

std::vector<FontFile> fontChain(std::string_view typeface) {
    if (typeface.starts_with('/')) return {{std::string(typeface), 0}, {kNotoCjk, 0}};
    const std::string name = lowerAscii(typeface);
    if (listed(kJapaneseFaces, name)) return {{kNotoCjk, 0}};
    if (listed(kKoreanFaces, name)) return {{kNotoCjk, 1}};
    const char* file = "LiberationSans-Regular.ttf";
    for (const Alias& alias : kAliases)
        if (name == alias.typeface) file = alias.file;
    return {{std::string(liberationFolder(file)) + file, 0}, {kNotoCjk, 0}};
}

}  // namespace kv::platform
