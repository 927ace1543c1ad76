#include "plain_title.h"

#include "media/gfx/blit.h"
#include "media/gfx/display.h"
#include "media/input/input.h"
#include "scene/message_pump.h"
#include "scene/scene_table.h"

namespace kv::test {

int plainTitleScreen() {
    constexpr Pixel kBackdrop = rgb(16, 24, 64);
    while (pumpMessages()) {
        readKeyboard();
        if (input.keys[DIK_ESCAPE] & kKeyDown) break;
        fillRect(display.back, nullptr, kBackdrop);
        present();
    }
    return TitleExit;
}

}  // namespace kv::test
