#pragma once
// Pieces several sheets share: glossy panels, labelled buttons, glows.
#include <string_view>

#include "palette.h"

namespace skin {

// A rounded panel with a vertical gradient and a thin light rim.
void panel(Canvas& c, kv::Rect r, float radius, Colour top, Colour bottom, Colour rim);

// A panel with a centred label; `lit` false draws it dimmed.
void labelButton(Canvas& c, kv::Rect r, std::string_view label, Colour accent, bool lit);

// A centred label fitted into the box.
void label(Canvas& c, kv::Rect box, std::string_view text, Colour top, Colour bottom);

}  // namespace skin
