#include "platform/sound_file_open.h"

#include "platform/path_text.h"

namespace kv::platform {

SNDFILE* openSoundFile(const std::string& path, int mode, SF_INFO* info) {
    return sf_wchar_open(pathFromText(path).c_str(), mode, info);
}

}  // namespace kv::platform
