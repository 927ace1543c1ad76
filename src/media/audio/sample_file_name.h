#pragma once
// Finds the file a chart or config names for a sound.
#include <string>
#include <string_view>

#include "platform/files.h"

namespace kv {

// The name resolved like every file name charts give ('\' separators, any
// letter case). When nothing is there, the same stem with ".ogg", ".flac",
// ".mp3" or ".wav": charts often still name "x.wav" after their samples
// were converted to "x.ogg". "" when none of them exists.
std::string findSampleFile(std::string_view name, platform::FileNames& names = platform::diskFileNames());

}  // namespace kv
