#pragma once
// Draws a dialog the way desktop dialogs have long looked: a grey face with
// bevelled edges, a caption bar, white fields and black text.
#include <functional>
#include <string_view>

#include "gfx/surface.h"
#include "sysconfig/dialog.h"

namespace kv::sysconfig {

struct DialogFont {
    int lineHeight = 16;
    MeasureText measure;
    // Draws one line with its cell's top left corner at (x, y).
    std::function<void(Surface&, int x, int y, std::string_view, Pixel)> draw;
};

// Room the frame and caption bar take around the dialog's client area.
inline constexpr int kFrameWidth = 3;
inline constexpr int kCaptionHeight = 20;

// Paints the backdrop, then the dialog with its client area's top left
// corner at `origin` (the frame and caption go above and around it).
void paintDialog(Surface& picture, int originX, int originY, int width, int height, std::string_view caption,
                 const Dialog& dialog, const DialogFont& font);

}  // namespace kv::sysconfig
