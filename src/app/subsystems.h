#pragma once
// The start-up and exit steps that belong to other parts of the game
// (option presets, skins, the song library, plug-ins, sprite tables,
// sound). Each registers here as it lands (game_parts.cpp); a step not
// registered is skipped, so the shell runs the same sequence throughout.
#include <functional>
#include <string>
#include <vector>

namespace kv {

struct Subsystems {
    std::function<void()> loadOptionPresets;
    std::function<void()> saveOptionPresets;
    std::function<void()> readSkins;  // lists the skins and reads the chosen one
    // The chosen skin's picture files the program folder lacks.
    std::function<std::vector<std::string>()> missingSkinFiles;
    std::function<void()> resetLibrary;  // no folder open, the folder level showing
    // Scans the song folders; returns how many folders hold charts.
    std::function<int()> scanLibrary;
    // Makes the one chart the whole library; false when it cannot be read.
    std::function<bool(const std::string& folder, const std::string& file)> scanSingleChart;
    std::function<void()> sortFolders;
    std::function<void()> loadPlugins;
    std::function<void()> buildSpriteTables;
    // Opens the sound device at WAVQUAL's rate; false when it cannot.
    std::function<bool(int quality)> initSound;
    std::function<void()> shutdownSound;
    // Headless runs: write everything the mixer plays to this WAV file
    // (called before initSound).
    std::function<bool(const std::string& path)> captureAudio;
    std::function<void()> loadMenuSounds;
    // With one folder in the library, opens it at start.
    std::function<void()> enterOnlyFolder;
};

}  // namespace kv
