#pragma once
// Turning the keyboard table into the result screens' key presses: each key
// acts once when it goes down and must be released before it acts again.
#include <array>
#include <cstdint>
#include <vector>

#include "base/dik.h"
#include "screens/results/result_flow.h"

namespace kv {

class ResultKeyReader {
public:
    // Keys already down (still held from the play) do not act until released.
    explicit ResultKeyReader(const std::uint8_t (&keys)[kKeyCount]);
    std::vector<ResultKey> newlyPressed(const std::uint8_t (&keys)[kKeyCount]);

private:
    std::array<bool, kKeyCount> down_{};
};

}  // namespace kv
