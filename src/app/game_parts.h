#pragma once
// The real scenes and subsystem steps of the shipped game. Each part of
// the game registers its functions in game_parts.cpp as it lands.
#include "app/subsystems.h"
#include "scene/scene_table.h"

namespace kv {

SceneTable gameScenes();
Subsystems gameSubsystems();

}  // namespace kv
