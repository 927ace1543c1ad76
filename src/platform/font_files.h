#pragma once
// Where this system keeps fonts: the faces installed on it, and the free
// faces that stand in for the usual Windows ones.
#include <optional>
#include <string>

#include "platform/font_faces.h"

namespace kv::platform {

// A face of a Liberation font file ("LiberationSerif-Regular.ttf").
FontFile liberationFont(const char* file);
// Noto Sans CJK, face 0 Japanese, 1 Korean.
FontFile cjkFont(int faceIndex);

// The regular face of an installed family of exactly this name (lower
// case), or nothing. Each name is looked up once per run.
std::optional<FontFile> installedFamily(const std::string& family);

// True where the faces the names were chosen for may be installed (on
// Windows): an installed face is then tried before its stand-in.
bool installedFacesFirst();

}  // namespace kv::platform
