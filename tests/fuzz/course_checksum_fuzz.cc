// libFuzzer target: arbitrary bytes as the texts of a course's five charts
// (the input cut into five equal parts), summed as the course list checks
// that a stored course still names the same charts.
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz_input.h"
#include "screens/modes/course_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::array<std::string, kv::kCourseStages> paths;
    const std::size_t part = size / kv::kCourseStages;
    for (int stage = 0; stage < kv::kCourseStages; ++stage) {
        const std::size_t begin = part * stage;
        const std::size_t end = stage + 1 == kv::kCourseStages ? size : begin + part;
        paths[stage] = kv::fuzz::writeInput("stage" + std::to_string(stage) + ".bms", data + begin, end - begin).string();
    }
    if (!kv::checkCourseCharts(paths)) std::abort();
    return 0;
}
