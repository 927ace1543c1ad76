#include "app/course_folder.h"

#include "platform/files.h"

namespace kv {

bool ensureCourseFolder() { return platform::folderExists("course") || platform::makeDirectory("course"); }

}  // namespace kv
