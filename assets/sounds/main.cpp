// Writes the menu sounds into the program folder's "sound" folder as WAV
// files, and a "KV2SOUND.CFG" naming them unless the player has one.
//
//   kv_menu_sounds PROGRAM_FOLDER
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "media/audio/sound_config.h"
#include "menu_music.h"
#include "platform/sound_file.h"

namespace {

constexpr int kRate = 44100;
constexpr const char* kSoundFolder = "sound";

bool writeWav(const std::filesystem::path& path, const std::vector<std::int16_t>& pcm) {
    kv::platform::SoundFileWriter writer;
    return writer.open(path.string(), kv::platform::SoundFileFormat::Wav16, kRate, 2) &&
           writer.write(pcm.data(), pcm.size() / 2);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s PROGRAM_FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path home = argv[1];
    std::filesystem::create_directories(home / kSoundFolder);

    const auto sounds = kv::sounds::composeMenuSounds(kRate);
    if (sounds.size() != kv::kMenuSoundKeys.size()) return 1;
    for (const auto& sound : sounds) {
        if (!writeWav(home / kSoundFolder / sound.file, sound.track.toPcm16(sound.peak, sound.fadeSeconds))) {
            std::fprintf(stderr, "cannot write %s\n", sound.file.c_str());
            return 1;
        }
    }

    const auto config = home / kv::kSoundConfigFile;
    if (std::filesystem::exists(config)) return 0;
    std::ofstream out(config, std::ios::binary);
    out << "- kelvarin ][ sound config file -\r\n\r\n";
    for (std::size_t i = 0; i < sounds.size(); ++i)
        out << kv::kMenuSoundKeys[i] << ' ' << kSoundFolder << '/' << sounds[i].file << "\r\n";
    return out ? 0 : 1;
}
