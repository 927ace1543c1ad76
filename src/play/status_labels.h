#pragma once
// The labels of the status line: play mode, scroll speed, lane transform
// and view, as the guide panel prints them.
#include <string>

#include "play/play_config.h"

namespace kv {

const char* modeLabel(const PlayConfig& config);
// freeSpeed in tenths, shown for the FREE speed.
std::string speedLabel(int speed, int freeSpeed);
// OBJECT setting; blank for no transform.
const char* transformLabel(int object);
const char* viewLabel(int view);

}  // namespace kv
