#pragma once
namespace kv {

// Makes sure the program folder holds the "course" folder where stored
// courses live. Returns false when it is missing and cannot be made.
bool ensureCourseFolder();

}  // namespace kv
