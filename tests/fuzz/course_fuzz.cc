// libFuzzer target: arbitrary bytes as a course file. Stages that decode
// must come back unchanged once written and read again.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "screens/modes/course_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto stages = kv::decodeCourseFile(std::span(data, size));
    if (!stages) return 0;
    const std::vector<std::uint8_t> written = kv::encodeCourseFile(*stages);
    const auto again = kv::decodeCourseFile(written);
    if (!again || kv::encodeCourseFile(*again) != written) std::abort();
    return 0;
}
