#include "support/headless_session.h"

#include <gtest/gtest.h>

#include "media/gfx/display.h"
#include "platform/events.h"
#include "platform/frames.h"
#include "platform/keyboard.h"
#include "platform/platform.h"

namespace kv::test {

HeadlessSession::HeadlessSession(bool windowed) {
    EXPECT_TRUE(platform::startPlatform(true));
    clock_ = static_cast<platform::ManualClock*>(&platform::clock());
    EXPECT_EQ(createDisplay(windowed), 1);
    platform::setFrameObserver([this](const Surface& frame) { hashes_.push_back(hashSurface(frame)); });
}

HeadlessSession::~HeadlessSession() {
    runner_.reset();
    platform::setFrameObserver({});
    platform::setFramesFolder({});
    releaseDisplay();
    platform::stopPlatform();
    platform::releaseAllKeys();
    platform::clearQuit();
    platform::useRealClock();
}

void HeadlessSession::runScript(std::string_view text) {
    platform::Script script;
    platform::ScriptError error;
    ASSERT_TRUE(platform::parseScript(text, {}, script, error)) << "line " << error.line << ": " << error.message;
    runner_.reset();
    runner_ = std::make_unique<platform::ScriptRunner>(std::move(script));
}

void HeadlessSession::setKey(int dik, bool down) { platform::setKeyDown(dik, down); }

const Surface& HeadlessSession::lastFrame() const { return platform::lastPresentedFrame(); }

std::uint64_t hashSurface(const Surface& surface) {
    std::uint64_t hash = 14695981039346656037ull;
    auto mix = [&hash](std::uint32_t value) {
        for (int i = 0; i < 4; ++i) {
            hash ^= (value >> (8 * i)) & 0xFF;
            hash *= 1099511628211ull;
        }
    };
    mix(std::uint32_t(surface.width));
    mix(std::uint32_t(surface.height));
    for (Pixel p : surface.pixels) mix(p);
    return hash;
}

Surface solidSurface(int width, int height, Pixel colour) {
    Surface surface(width, height);
    std::fill(surface.pixels.begin(), surface.pixels.end(), colour);
    return surface;
}

}  // namespace kv::test
