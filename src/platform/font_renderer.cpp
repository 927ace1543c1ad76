#include "platform/font_renderer.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <cmath>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "platform/font_faces.h"
#include "platform/font_face_file.h"

namespace kv::platform {
namespace {

FT_Library freetype() {
    static FT_Library library = [] {
        FT_Library l = nullptr;
        return FT_Init_FreeType(&l) == 0 ? l : nullptr;
    }();
    return library;
}

// A face with the design metrics the Windows size rules need.
struct LoadedFace {
    FT_Face face = nullptr;
    double cellUnits = 1;      // ascent + descent as Windows measures it
    double ascentUnits = 1;
    double avgWidthUnits = 1;  // average character width
    FT_F26Dot6 sizeX = 0, sizeY = 0;  // the size last set on the face
};

std::map<std::pair<std::string, int>, LoadedFace>& openFaces() {
    static std::map<std::pair<std::string, int>, LoadedFace> faces;
    return faces;
}

struct CachedGlyph {
    int left = 0, top = 0, width = 0, height = 0, advance = 0;
    std::vector<std::uint8_t> coverage;
};

// Keyed by the face, so it must be emptied whenever a face is closed.
std::map<std::tuple<FT_Face, FT_F26Dot6, FT_F26Dot6, FT_UInt>, CachedGlyph>& glyphCache() {
    static std::map<std::tuple<FT_Face, FT_F26Dot6, FT_F26Dot6, FT_UInt>, CachedGlyph> cache;
    return cache;
}

LoadedFace* openFace(const FontFile& file) {
    auto& faces = openFaces();
    const auto key = std::make_pair(file.path, file.faceIndex);
    if (auto known = faces.find(key); known != faces.end()) return known->second.face ? &known->second : nullptr;
    LoadedFace& loaded = faces[key];
    if (!freetype() || openFontFace(freetype(), file.path, file.faceIndex, &loaded.face) != 0) {
        loaded.face = nullptr;
        return nullptr;
    }
    const FT_Face face = loaded.face;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 && os2->usWinAscent + os2->usWinDescent > 0) {
        loaded.ascentUnits = os2->usWinAscent;
        loaded.cellUnits = os2->usWinAscent + os2->usWinDescent;
    } else {
        loaded.ascentUnits = face->ascender;
        loaded.cellUnits = std::max(1, face->ascender - face->descender);
    }
    loaded.avgWidthUnits = os2 && os2->xAvgCharWidth > 0 ? os2->xAvgCharWidth : face->units_per_EM / 2.0;
    return &loaded;
}

// Sets the face to the request's size; returns the ascent in pixels.
int sizeFace(LoadedFace& f, const FontRequest& request) {
    const double em = f.face->units_per_EM;
    const double ppemY = request.height * em / f.cellUnits;
    const double ppemX = request.width > 0 ? request.width * em / f.avgWidthUnits : ppemY;
    const FT_F26Dot6 sizeX = std::max<FT_F26Dot6>(1, std::lround(ppemX * 64));
    const FT_F26Dot6 sizeY = std::max<FT_F26Dot6>(1, std::lround(ppemY * 64));
    if (sizeX != f.sizeX || sizeY != f.sizeY) {
        FT_Set_Char_Size(f.face, sizeX, sizeY, 72, 72);
        f.sizeX = sizeX, f.sizeY = sizeY;
    }
    return int(std::lround(f.ascentUnits * ppemY / em));
}

// Menus redraw the same few strings every frame; rasterise each glyph once.
const CachedGlyph& rasterise(LoadedFace& f, FT_UInt index) {
    auto& cache = glyphCache();
    constexpr std::size_t kCacheLimit = 8192;
    const auto key = std::make_tuple(f.face, f.sizeX, f.sizeY, index);
    if (auto known = cache.find(key); known != cache.end()) return known->second;
    if (cache.size() >= kCacheLimit) cache.clear();
    CachedGlyph& glyph = cache[key];
    if (FT_Load_Glyph(f.face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL) != 0) return glyph;
    const FT_GlyphSlot slot = f.face->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.width = int(bitmap.width);
    glyph.height = int(bitmap.rows);
    glyph.advance = int((slot->advance.x + 32) >> 6);
    if (bitmap.pixel_mode == FT_PIXEL_MODE_GRAY) {
        glyph.coverage.resize(std::size_t(glyph.width) * glyph.height);
        for (int y = 0; y < glyph.height; ++y)
            for (int x = 0; x < glyph.width; ++x) glyph.coverage[y * glyph.width + x] = bitmap.buffer[y * bitmap.pitch + x];
    } else {
        glyph.width = glyph.height = 0;
    }
    return glyph;
}

// Decodes UTF-8; a malformed byte becomes U+FFFD and decoding goes on.
std::vector<char32_t> codePoints(std::string_view text) {
    std::vector<char32_t> out;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char lead = text[i];
        const int extra = lead < 0x80 ? 0 : lead >> 5 == 6 ? 1 : lead >> 4 == 14 ? 2 : lead >> 3 == 30 ? 3 : -1;
        char32_t cp = extra == 0 ? lead : extra == 1 ? lead & 0x1F : extra == 2 ? lead & 0x0F : lead & 0x07;
        bool valid = extra >= 0 && i + extra < text.size() + (extra == 0);
        for (int k = 1; valid && k <= extra; ++k) {
            const unsigned char next = text[i + k];
            valid = (next & 0xC0) == 0x80;
            cp = cp << 6 | (next & 0x3F);
        }
        out.push_back(valid ? cp : U'\uFFFD');
        i += valid ? extra + 1 : 1;
    }
    return out;
}

}  // namespace

void closeFontFile(const std::string& path) {
    auto& faces = openFaces();
    for (auto it = faces.begin(); it != faces.end();) {
        if (it->first.first != path) {
            ++it;
            continue;
        }
        if (const FT_Face face = it->second.face) {
            std::erase_if(glyphCache(), [face](const auto& entry) { return std::get<0>(entry.first) == face; });
            FT_Done_Face(face);
        }
        it = faces.erase(it);
    }
}

int layoutText(const FontRequest& request, std::string_view utf8, const GlyphSink& sink) {
    if (request.height <= 0) return 0;
    std::vector<LoadedFace*> chain;
    for (const FontFile& file : fontChain(request.typeface))
        if (LoadedFace* face = openFace(file)) chain.push_back(face);
    if (chain.empty()) return 0;
    const int baseline = sizeFace(*chain.front(), request);
    int pen = 0;
    for (char32_t cp : codePoints(utf8)) {
        for (LoadedFace* face : chain) {
            const FT_UInt index = FT_Get_Char_Index(face->face, cp);
            if (index == 0) continue;
            sizeFace(*face, request);
            const CachedGlyph& glyph = rasterise(*face, index);
            if (sink && glyph.width > 0)
                sink({pen + glyph.left, baseline - glyph.top, glyph.width, glyph.height, glyph.width,
                      glyph.coverage.data()});
            pen += glyph.advance;
            break;
        }
    }
    return pen;
}

}  // namespace kv::platform
