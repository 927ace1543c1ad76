#include "support/game_folder.h"

#include <sys/wait.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <set>

#include "settings/settings_file.h"

namespace kv::test {

namespace {

namespace fs = std::filesystem;

std::string upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::toupper(c)); });
    return text;
}

// What a run leaves beside a chart.
bool leftByEarlierRun(const fs::path& file) {
    const std::string extension = upper(file.extension().string());
    return extension == ".K2R" || extension == ".KRP";
}

bool isProgram(const fs::path& file) {
    const std::string name = file.filename().string();
    return name == "game" || name == "sysconfig";
}

// Settings and presets the player's own sessions in the built folder may have changed.
bool isPlayersState(const fs::path& relative) {
    return relative == kSettingsFileName || relative == "KV2OPT.DAT";
}

// One shell word, whatever the path holds.
std::string quoted(const std::string& text) {
    std::string word = "'";
    for (char c : text) word += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return word + "'";
}

}  // namespace

GameFolder::GameFolder(const fs::path& builtHome) : program_(builtHome / "game") {
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(builtHome)) {
        const fs::path relative = fs::relative(entry.path(), builtHome);
        if (entry.is_directory()) {
            fs::create_directories(home() / relative);
        } else if (!isProgram(entry.path()) && !leftByEarlierRun(entry.path()) && !isPlayersState(relative)) {
            fs::copy_file(entry.path(), home() / relative);
        }
    }
    // The settings a fresh program folder ships with: windowed, 44.1 kHz sound.
    Settings shipped;
    shipped.WINDOW = 1;
    shipped.WAVQUAL = 1;
    saveSettings(shipped, home() / kSettingsFileName);
}

void GameFolder::setOption(std::string_view key, std::string_view value) {
    const fs::path file = home() / kSettingsFileName;
    const std::string wanted = std::string(key) + " " + std::string(value);
    std::string text = TempFolder::read(file);
    std::string updated;
    bool replaced = false;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        const std::size_t next = end == std::string::npos ? text.size() : end + 1;
        std::string line = text.substr(start, next - start);
        const std::string head = line.substr(0, line.find_first_of(" \r\n"));
        if (upper(head) == upper(std::string(key))) {
            line = wanted + "\r\n";
            replaced = true;
        }
        updated += line;
        start = next;
    }
    if (!replaced) updated += wanted + "\r\n";
    std::ofstream(file, std::ios::binary) << updated;
}

Settings GameFolder::settings() const {
    Settings read;
    loadSettings(read, home() / kSettingsFileName);
    return read;
}

GameFolder::Run GameFolder::run(const std::string& script, const std::vector<std::string>& arguments) const {
    const fs::path scriptFile = logs_.path() / "script.txt";
    std::ofstream(scriptFile, std::ios::binary) << script;
    std::vector<std::string> all{"--headless", "--script", scriptFile.string()};
    all.insert(all.end(), arguments.begin(), arguments.end());
    return tool(all);
}

GameFolder::Run GameFolder::tool(const std::vector<std::string>& arguments) const {
    return runIn("SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy", arguments);
}

GameFolder::Run GameFolder::runIn(const std::string& environment, const std::vector<std::string>& arguments) const {
    const fs::path out = logs_.path() / "stdout.txt";
    const fs::path err = logs_.path() / "stderr.txt";
    std::string command = "env " + environment + " " + quoted(program_.string()) + " --home " + quoted(home().string());
    for (const std::string& argument : arguments) command += " " + quoted(argument);
    command += " > " + quoted(out.string()) + " 2> " + quoted(err.string());
    const int status = std::system(command.c_str());
    Run result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.output = TempFolder::read(out);
    result.errors = TempFolder::read(err);
    return result;
}

std::vector<std::string> GameFolder::scanLines() const {
    const std::string listing = tool({"--scan"}).output;
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < listing.size();) {
        const std::size_t end = std::min(listing.find('\n', start), listing.size());
        lines.push_back(listing.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

int GameFolder::chartListLine(const fs::path& chart) const {
    const std::string sameFolder = "\"file\":\"" + chart.parent_path().string() + "/";
    int line = 0;
    for (const std::string& entry : scanLines()) {
        if (entry.find("\"file\":\"" + chart.string() + "\"") != std::string::npos) return line;
        if (entry.find(sameFolder) != std::string::npos) ++line;
    }
    return -1;
}

int GameFolder::folderListLine(std::string_view folderName) const {
    std::set<std::string> names;  // byte order, as the list sorts them
    const std::string key = "\"folder\":\"";
    for (const std::string& entry : scanLines()) {
        const std::size_t at = entry.find(key);
        if (at == std::string::npos) continue;
        const std::size_t from = at + key.size();
        names.insert(entry.substr(from, entry.find('"', from) - from));
    }
    const auto found = names.find(std::string(folderName));
    return found == names.end() ? -1 : int(std::distance(names.begin(), found));
}

}  // namespace kv::test
