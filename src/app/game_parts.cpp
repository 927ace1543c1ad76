#include "app/game_parts.h"

#include "app/plain_title.h"
#include "app/wipe.h"

namespace kv {

SceneTable gameScenes() {
    SceneTable scenes;
    scenes.titleScreen = plainTitleScreen;
    scenes.wipeOut = wipeOut;
    return scenes;
}

Subsystems gameSubsystems() { return Subsystems{}; }

}  // namespace kv
