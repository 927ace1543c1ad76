#include "platform/script_runner.h"

#include "platform/events.h"
#include "platform/frames.h"
#include "platform/keyboard.h"
#include "platform/mouse.h"

namespace kv::platform {

ScriptRunner::ScriptRunner(Script script) : script_(std::move(script)), origin_(clock().nowMicros()) {
    subscription_ = clock().subscribe([this](Micros, Micros to) { advance(to); });
    advance(origin_);
}

ScriptRunner::~ScriptRunner() { clock().unsubscribe(subscription_); }

void ScriptRunner::advance(Micros now) {
    if (finished_) return;
    const Micros elapsed = now - origin_;
    for (; next_ < script_.actions.size() && script_.actions[next_].at <= elapsed; ++next_) {
        const ScriptAction& action = script_.actions[next_];
        switch (action.kind) {
            case ScriptAction::Kind::KeyDown: setKeyDown(action.key, true, origin_ + action.at); break;
            case ScriptAction::Kind::KeyUp: setKeyDown(action.key, false, origin_ + action.at); break;
            case ScriptAction::Kind::Click: pushMouseClick({action.x, action.y}); break;
            case ScriptAction::Kind::Shot:
                if (!savePng(lastPresentedFrame(), action.file)) ++failedShots_;
                break;
        }
    }
    if (next_ == script_.actions.size() && elapsed >= script_.end) {
        finished_ = true;
        requestQuit();
    }
}

}  // namespace kv::platform
