#pragma once
// The pictures that were presented: the last one (for grabbing the shown
// frame, the wipe and script screenshots) and, when asked, every one as a
// numbered PNG file in a folder.
#include <functional>
#include <string>

#include "base/surface.h"

namespace kv::platform {

// The last presented picture; a black 640 x 480 picture before the first.
const Surface& lastPresentedFrame();
// Number of frames presented since the platform started.
long presentedFrameCount();

// Every later presented frame goes to DIR/frame_NNNNNN.png (NNNNNN counts
// from 000001). An empty folder turns this off. Returns false when the
// folder cannot be created.
bool setFramesFolder(const std::string& folder);

// Called with every presented picture (tests hashing each frame); an
// empty function stops it.
void setFrameObserver(std::function<void(const Surface&)> observer);

// Back to "nothing presented yet" (a new run of the platform).
void resetPresentedFrames();

// Records a presented picture (the window calls it; tests may too).
void keepPresentedFrame(const Surface& picture);

// Writes a picture as a 24-bit PNG file. Returns false on failure.
bool savePng(const Surface& picture, const std::string& path);

}  // namespace kv::platform
