#include "platform/sound_file_open.h"

namespace kv::platform {

SNDFILE* openSoundFile(const std::string& path, int mode, SF_INFO* info) { return sf_open(path.c_str(), mode, info); }

}  // namespace kv::platform
