#include "platform/font_face_file.h"

namespace kv::platform {

FT_Error openFontFace(FT_Library library, const std::string& path, FT_Long faceIndex, FT_Face* face) {
    return FT_New_Face(library, path.c_str(), faceIndex, face);
}

}  // namespace kv::platform
