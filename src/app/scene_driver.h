#pragma once
// The scene driver: title, then the chosen mode's loop of select, load,
// play and result screens, back to the title, until the player leaves.
#include "scene/scene_table.h"

namespace kv {

enum class DriverEnd {
    Exit,  // the title's exit item
    Quit,  // the quit message (window closed, script ended): leaves the same clean way
};

// Runs from the first title screen to the end. The settings are not
// touched here; the shell writes them on either end.
DriverEnd runSceneDriver(const SceneTable& scenes);

// Whether every scene a title choice leads to is registered; a mode whose
// scenes have not landed is simply not entered.
bool canRunChoice(const SceneTable& scenes, int choice);

}  // namespace kv
