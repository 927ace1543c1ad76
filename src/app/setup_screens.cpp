#include "app/setup_screens.h"

#include <functional>

#include "media/gfx/blit.h"
#include "media/gfx/display.h"
#include "media/gfx/picture_loading.h"
#include "media/gfx/sheet_text.h"
#include "media/gfx/skin.h"
#include "media/gfx/sprite_tables.h"
#include "media/input/binding_setup.h"
#include "scene/message_pump.h"
#include "settings/settings.h"

namespace kv {

namespace {

constexpr int kMenuSlot = 2;
constexpr int kKeyPicture = 47, kEffectPicture = 48, kAskedOffset = 2;

// Where each control's picture sits, left side (the right side is 295
// pixels further on): EFFECT, EFFECT ONEMORE, KEYBOARD 1-7.
struct ControlPlace {
    int x, y;
};
constexpr ControlPlace kControlPlaces[] = {{96, 362},  {210, 362}, {134, 362}, {143, 341}, {153, 362},
                                           {162, 341}, {172, 362}, {181, 341}, {191, 362}};
constexpr int kRightSideShift = 295;
constexpr int kControlsPerSide = 9;

void drawControls(const BindingSetup& setup) {
    for (int control = 0; control < kBindingCount; ++control) {
        const bool left = control < kControlsPerSide;
        const ControlPlace place = kControlPlaces[control % kControlsPerSide];
        const int picture = (control % kControlsPerSide < 2 ? kEffectPicture : kKeyPicture) +
                            (control == setup.index ? kAskedOffset : 0);
        // The halves slide in from the sides.
        const int x = left ? place.x - setup.slide : place.x + kRightSideShift + setup.slide;
        drawSprite(x, place.y, &menuTable[std::size_t(picture)], kMenuSlot);
    }
}

// The frame loop both screens share; `takeInput` reads the device for the
// control asked for. Returns 0 on quit, else 1 with `setup` as it ended.
int runSetupScreen(const char* title, std::initializer_list<const char*> hints, BindingSetup& setup,
                   const std::function<void(BindingSetup&)>& takeInput) {
    loadSkinSheet(0, skin.BACKGR);
    loadSkinSheet(1, skin.FONT);
    loadSkinSheet(kMenuSlot, skin.FONT2);
    while (true) {
        if (!pumpMessages()) return 0;
        readKeyboard();
        if (input.keys[DIK_ESCAPE] & 0x80) setup.done = true;
        if (setup.index < 0) setup.slideIn();
        else takeInput(setup);

        drawSprite(0, 0, nullptr, 0);
        drawLargeText(260, 80, title, 0);
        if (setup.index >= 0) drawLargeText(140, 200, setupPrompt(setup.index), 0);
        int hintY = 240;
        for (const char* hint : hints) {
            drawLargeText(140, hintY, hint, 0);
            hintY += 40;
        }
        drawControls(setup);
        present();
        if (setup.done) return 1;
    }
}

}  // namespace

int keySetupScreen() {
    BindingSetup setup;
    const int result = runSetupScreen("SETTING KEYS", {"PRESS ESC TO QUIT"}, setup,
                                      [](BindingSetup& s) { takeKey(s, input.keys); });
    if (result && setup.complete()) settings().KEYCODE = setup.bindings;
    return result;
}

int joypadSetupScreen() {
    BindingSetup setup;
    JoypadControls previous = JoypadControls::allHeld();
    const int result = runSetupScreen("SETTING JOYPAD", {"PRESS SPACE TO SKIP KEY", "PRESS ESC TO QUIT"}, setup,
                                      [&previous](BindingSetup& s) {
                                          JoypadState state;
                                          readJoypads(state);
                                          takeJoypadControl(s, joypadControls(state), previous,
                                                            (input.keys[DIK_SPACE] & 0x80) != 0);
                                      });
    if (result && setup.complete()) settings().JOYCODE = setup.bindings;
    return result;
}

}  // namespace kv
