#pragma once
// Fills the scene table with the select screen and the song-list helpers
// the mode loops use.
#include "scene/scene_table.h"

namespace kv {

void addSelectScenes(SceneTable& scenes);

}  // namespace kv
