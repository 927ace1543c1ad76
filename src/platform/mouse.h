#pragma once
// Mouse clicks in picture coordinates, queued until a screen
// takes them. The window's events and the headless script's `click` feed
// the queue.
namespace kv::platform {

struct MouseClick {
    int x = 0;
    int y = 0;
};

void pushMouseClick(MouseClick click);
// Takes the oldest click; false when none is waiting.
bool takeMouseClick(MouseClick& click);
void clearMouseClicks();

}  // namespace kv::platform
