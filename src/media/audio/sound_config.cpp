#include "media/audio/sound_config.h"

#include <cstdio>
#include <cstring>

#include "base/text.h"
#include "media/audio/sample_slots.h"
#include "media/audio/sound_engine.h"
#include "platform/path_text.h"

namespace kv {
namespace {

static_assert(kMenuSoundKeys.size() == kMenuSoundSlots);

// Written as a Windows text-mode file was, with CR LF line ends.
void writeTemplate() {
    std::FILE* file = platform::openFile(kSoundConfigFile, "wb");
    if (!file) return;
    std::fputs("- kelvarin ][ sound config file -\r\n\r\n", file);
    for (std::string_view key : kMenuSoundKeys) std::fprintf(file, "%.*s\r\n", int(key.size()), key.data());
    std::fclose(file);
}

void loadLine(const char* line) {
    char word[kLineBufferSize];
    const int valueAt = takeFirstWord(line, word);
    upcaseAscii(word);
    for (std::size_t i = 0; i < kMenuSoundKeys.size(); ++i) {
        if (kMenuSoundKeys[i] != word) continue;
        char name[kLineBufferSize];
        takeRest(line + valueAt, name);
        loadSample(kSlotTitleMusic + int(i), name);
        return;
    }
}

}  // namespace

int loadSoundConfig() {
    TextFile file;
    if (!file.open(kSoundConfigFile)) {
        writeTemplate();
        return 0;
    }
    // The last line counts too, with or without its line feed.
    bool more = true;
    while (more) {
        more = readConfigLine(file);
        loadLine(file.lineBuffer);
    }
    return 0;
}

}  // namespace kv
