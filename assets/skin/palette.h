#pragma once
// The default skin's look: deep night blues with cyan and magenta light,
// gold for highlights, one bold sans for every label.
#include "canvas.h"

namespace skin {

inline const Colour kNight = hex(0x0c0f2e);
inline const Colour kDeep = hex(0x161a4a);
inline const Colour kPanel = hex(0x20265e);
inline const Colour kPanelLight = hex(0x33407e);
inline const Colour kCyan = hex(0x3ee3ff);
inline const Colour kSky = hex(0x9cf2ff);
inline const Colour kMagenta = hex(0xff4fd8);
inline const Colour kViolet = hex(0x8c6cff);
inline const Colour kGold = hex(0xffd25a);
inline const Colour kOrange = hex(0xff8a3d);
inline const Colour kWhite = hex(0xf2f6ff);
inline const Colour kRed = hex(0xff4d6a);
inline const Colour kGreen = hex(0x5cff9d);
inline const Colour kOutline = hex(0x0a0c26);

inline constexpr const char* kBoldFace = "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf";
inline constexpr const char* kNarrowFace = "/usr/share/fonts/truetype/liberation/LiberationSansNarrow-Bold.ttf";

// The two glyph colour sets of the large font.
inline Paint glyphSetA(float top, float bottom) { return vertical(kWhite, kCyan, top, bottom); }
inline Paint glyphSetB(float top, float bottom) { return vertical(kGold, kOrange, top, bottom); }

}  // namespace skin
