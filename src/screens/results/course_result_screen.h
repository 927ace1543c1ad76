#pragma once
// The course result screen: the totals of the five stages, the course
// grade and the course's own top five with name entry.
#include <cstdint>
#include <string>

namespace kv {

// `course` is the stored course's number, negative for a hand-picked or
// random course, which has no ranking file; `courseName` and
// `chartsChecksum` tie the ranking file to the stored course. False when
// the game is quitting.
bool courseResultScreen(int course, const std::string& courseName, std::uint8_t chartsChecksum);

}  // namespace kv
