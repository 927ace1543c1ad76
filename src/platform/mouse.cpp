#include "platform/mouse.h"

#include <deque>

namespace kv::platform {
namespace {
std::deque<MouseClick> clicks;
}

void pushMouseClick(MouseClick click) { clicks.push_back(click); }

bool takeMouseClick(MouseClick& click) {
    if (clicks.empty()) return false;
    click = clicks.front();
    clicks.pop_front();
    return true;
}

void clearMouseClicks() { clicks.clear(); }

}  // namespace kv::platform
