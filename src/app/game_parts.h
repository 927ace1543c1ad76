#pragma once
// The real scenes and subsystem steps of the shipped game. Each part of
// the game registers its functions in game_parts.cpp as it lands.
#include "app/scene_table.h"
#include "app/subsystems.h"

namespace kv {

SceneTable gameScenes();
Subsystems gameSubsystems();

}  // namespace kv
