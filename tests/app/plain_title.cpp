#include "plain_title.h"

#include "app/message_pump.h"
#include "app/scene_table.h"
#include "gfx/blit.h"
#include "gfx/display.h"
#include "input/input.h"

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
