#pragma once
// libsndfile's sf_open takes a narrow name, which Windows reads in its ANSI
// code page; there the game's UTF-8 name goes in through the wide call.
#include <sndfile.h>

#include <string>

namespace kv::platform {

// sf_open for a file named in game text.
SNDFILE* openSoundFile(const std::string& path, int mode, SF_INFO* info);

}  // namespace kv::platform
