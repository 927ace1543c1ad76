#include "platform/save_report.h"

#include <cstdio>

namespace kv::platform {

void reportSaveFailure(const std::filesystem::path& file) {
    std::fprintf(stderr, "game: could not save %s (the old file, if any, is unchanged)\n", file.string().c_str());
}

}  // namespace kv::platform
