// Writes the lane-key table of the default bindings into the README's
// player's guide, so the guide names the keys the game really ships with.
//   readme_keys            print the table
//   readme_keys README.md  rewrite the table between its marker lines
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

#include "media/input/lane_key_table.h"

int main(int argc, char** argv) {
    const kv::KeyBindings defaults = kv::Settings{}.KEYCODE;
    if (argc == 1) {
        std::cout << kv::laneKeyTable(defaults);
        return 0;
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: readme_keys [README.md]\n");
        return 2;
    }
    std::ostringstream text;
    text << std::ifstream(argv[1], std::ios::binary).rdbuf();
    const std::string updated = kv::withLaneKeyTable(text.str(), defaults);
    if (updated.empty()) {
        std::fprintf(stderr, "readme_keys: %s has no lane-key marker lines\n", argv[1]);
        return 1;
    }
    std::ofstream out(argv[1], std::ios::binary);
    if (!(out << updated)) {
        std::fprintf(stderr, "readme_keys: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
