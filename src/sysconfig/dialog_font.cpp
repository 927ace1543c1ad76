#include "sysconfig/dialog_font.h"

#include "media/gfx/system_text.h"
#include "platform/font_renderer.h"

namespace kv::sysconfig {

namespace {

// The dialog asks for the face it was designed with; the font chain stands
// a plain sans serif in for it.
constexpr char kTypeface[] = "System";
constexpr int kCellHeight = 16;

}  // namespace

DialogFont systemDialogFont() {
    DialogFont font;
    font.lineHeight = kCellHeight;
    font.measure = [](std::string_view text) { return platform::layoutText({kTypeface, kCellHeight, 0}, text, {}); };
    font.draw = [](Surface& target, int x, int y, std::string_view text, Pixel colour) {
        drawTextOn(target, x, y, text, kCellHeight, 0, colour, kTypeface);
    };
    return font;
}

}  // namespace kv::sysconfig
