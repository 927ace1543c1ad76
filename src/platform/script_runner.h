#pragma once
// Plays a script against the process-wide manual clock: as time advances,
// due key changes go into the key table, clicks into the mouse queue and
// shots out as PNG files; when the script's end is reached the program
// receives the quit message.
#include "platform/script.h"

namespace kv::platform {

class ScriptRunner {
   public:
    // Starts at the clock's current time and performs the actions already
    // due. The clock must be the manual one (useManualClock).
    explicit ScriptRunner(Script script);
    ~ScriptRunner();
    ScriptRunner(const ScriptRunner&) = delete;
    ScriptRunner& operator=(const ScriptRunner&) = delete;

    bool finished() const { return finished_; }
    // Shots that could not be written (kept for the caller to report).
    int failedShots() const { return failedShots_; }

   private:
    void advance(Micros now);

    Script script_;
    Micros origin_ = 0;
    std::size_t next_ = 0;
    bool finished_ = false;
    int failedShots_ = 0;
    int subscription_ = 0;
};

}  // namespace kv::platform
