#pragma once
// A scratch program folder for "KV2.CFG", removed afterwards.
#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace kv::sysconfig {

// A settings file as the game writes it, with a four-letter ranking name,
// a frame cap and two extra song folders.
extern const char* const kSampleConfig;

class ConfigFolder {
public:
    const std::filesystem::path& path() const { return folder_.path(); }
    std::filesystem::path config() const { return path() / "KV2.CFG"; }
    void writeConfig(const std::string& text) const;
    std::string readConfig() const;
    // Every name in the folder, to catch leftovers of a failed save.
    std::vector<std::string> entries() const;

private:
    test::TempFolder folder_{"sysconfig"};
};

// Splits at CR LF; a trailing CR LF gives no empty last line.
std::vector<std::string> linesOf(const std::string& text);
// `text` with the line `from` replaced by `to` (an empty `to` drops it).
std::string replaceLine(std::string text, const std::string& from, const std::string& to);

}  // namespace kv::sysconfig
