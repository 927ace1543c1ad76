#pragma once
// Draws a dialog the way desktop dialogs have long looked: a grey face,
// bevelled buttons and boxes, white fields and black text.
#include <functional>
#include <string_view>

#include "base/surface.h"
#include "sysconfig/dialog.h"

namespace kv::sysconfig {

struct DialogFont {
    int lineHeight = 16;
    MeasureText measure;
    // Draws one line with its cell's top left corner at (x, y).
    std::function<void(Surface&, int x, int y, std::string_view, Pixel)> draw;
};

// Paints the whole dialog; `picture` is its client area (the window
// itself carries the caption).
void paintDialog(Surface& picture, const Dialog& dialog, const DialogFont& font);

}  // namespace kv::sysconfig
