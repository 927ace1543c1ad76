#pragma once
// Naming a new course: digits and capital letters, up to 21 of them.
#include <string>

#include "screens/results/result_flow.h"

namespace kv {

constexpr std::size_t kCourseNameLength = 21;

// Applies one newly pressed key to the name; true when the entry is over
// (Enter keeps the name, Escape empties it).
bool applyCourseNameKey(std::string& name, const ResultKey& key);

// The name-entry screen. Returns 1 when a non-empty name was entered, 0
// when the player backed out or the game is quitting.
int inputCourseName(std::string& name);

}  // namespace kv
