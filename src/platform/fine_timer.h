#pragma once
// The system timer's resolution for the frame pacer's sleeps, which must
// wake within a millisecond of when they were asked to.
namespace kv::platform {

void requestFineTimer();
void releaseFineTimer();

}  // namespace kv::platform
