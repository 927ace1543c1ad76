// Writes the program folder's first "KV2.CFG" through the game's own
// writer, so the file is exactly what the game itself would save.
#include <cstdio>
#include <filesystem>

#include "settings/settings_file.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: kv_config_writer PROGRAM_FOLDER\n");
        return 2;
    }
    const std::filesystem::path file = std::filesystem::path(argv[1]) / kv::kSettingsFileName;
    if (std::filesystem::exists(file)) return 0;  // the player's own settings stay
    kv::Settings settings;
    settings.WINDOW = 1;   // a window, not the whole screen
    settings.WAVQUAL = 1;  // 44.1 kHz output
    settings.KEY = 8;      // AUTO: 7- and 14-key charts play with all their keys
    settings.EFFPOS = 1;   // LR: a doubles chart keeps its second turntable on the outer right edge
    // Today's charts: long notes and stops; and the calibration line, there to be tuned.
    settings.extensionLines = {"LONGNOTES 1", "STOPS 1", "JUDGEOFFSET 0"};
    if (kv::saveSettings(settings, file)) return 0;
    std::fprintf(stderr, "kv_config_writer: cannot write %s\n", file.c_str());
    return 1;
}
