#pragma once
// Which font files stand for a typeface name. Face names come from
// "KV2.CFG" and were mostly chosen for Windows: those we map onto fonts that
// Debian packages install, in an explicit chain, since fontconfig's guess
// for them can be any face. Other names are looked up through fontconfig,
// which must know a family of exactly that name. Every chain ends in Noto
// Sans CJK so that Japanese and Korean titles always have glyphs.
#include <string>
#include <string_view>
#include <vector>

namespace kv::platform {

struct FontFile {
    std::string path;
    int faceIndex;  // inside a collection (.ttc): 0 Japanese, 1 Korean for Noto Sans CJK
};

// The files to try, in order, for a typeface name (ASCII case ignored).
// Names fontconfig does not know get a plain sans serif; an absolute path
// names its file.
std::vector<FontFile> fontChain(std::string_view typeface);

}  // namespace kv::platform
