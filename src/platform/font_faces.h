#pragma once
// Which font files stand for a typeface name. Face names come from
// "KV2.CFG" and were mostly chosen for Windows: those we map onto free
// faces in an explicit chain (Linux: the ones Debian packages install;
// Windows: the ones the package ships, after the system's own face when
// it is installed). Other names must be installed under exactly that
// family name. Every chain ends in Noto Sans CJK so that Japanese and
// Korean titles always have glyphs.
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
