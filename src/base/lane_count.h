#pragma once
// Two sides of a turntable and seven keys each; the chart's lane channels,
// the key bindings and the play screen all count lanes this way.

namespace kv {

constexpr int kLaneCount = 16;

}  // namespace kv
