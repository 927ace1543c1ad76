#pragma once
// Runs a scene headless inside a test: the platform in headless mode with
// the manual clock at 0, the display created and every slot free, scripted
// keys, and a hash of every presented frame. Everything is torn down again
// when the session ends, so each test starts clean.
//
//   kv::test::HeadlessSession session;
//   session.runScript("wait 500\npress RETURN\nwait 500\n");
//   int choice = titleScreen();                 // the scene under test
//   EXPECT_EQ(session.frameHashes().size(), 60u);
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "base/surface.h"
#include "platform/clock.h"
#include "platform/script_runner.h"

namespace kv::test {

class HeadlessSession {
public:
    // `windowed` picks the display mode (windowed presents wait 16 ms).
    explicit HeadlessSession(bool windowed = false);
    ~HeadlessSession();
    HeadlessSession(const HeadlessSession&) = delete;
    HeadlessSession& operator=(const HeadlessSession&) = delete;

    platform::ManualClock& clock() { return *clock_; }

    // Starts a script now (see platform/script.h); a bad script fails the
    // test. The quit message arrives when it ends.
    void runScript(std::string_view text);
    bool scriptFinished() const { return runner_ && runner_->finished(); }

    // Sets a key directly, outside any script.
    void setKey(int dik, bool down);

    const Surface& lastFrame() const;
    const std::vector<std::uint64_t>& frameHashes() const { return hashes_; }

private:
    platform::ManualClock* clock_ = nullptr;
    std::unique_ptr<platform::ScriptRunner> runner_;
    std::vector<std::uint64_t> hashes_;
};

// FNV-1a over the size and pixels: equal pictures, equal hashes.
std::uint64_t hashSurface(const Surface& surface);

// A picture filled with one colour (handy as expected output).
Surface solidSurface(int width, int height, Pixel colour);

}  // namespace kv::test
