#pragma once
// FreeType opens a named file with a narrow call, which Windows reads in
// its ANSI code page; there the game's UTF-8 name is opened wide instead.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <string>

namespace kv::platform {

// FT_New_Face for a file named in game text.
FT_Error openFontFace(FT_Library library, const std::string& path, FT_Long faceIndex, FT_Face* face);

}  // namespace kv::platform
