#include "screens/select/library.h"

#include <cstring>

#include "base/text.h"
#include "platform/files.h"
#include "platform/path_text.h"

namespace kv {

namespace {

using platform::EntryKind;

constexpr int kFolderListLimit = 255;  // a root stops adding once the list holds more

std::string join(const std::string& folder, const std::string& name) {
    return folder.empty() ? name : folder + "/" + name;
}

std::string withoutTrailingSeparator(std::string path) {
    if (path.size() > 1 && (path.back() == '\\' || path.back() == '/')) path.pop_back();
    return path;
}

bool hidden(const std::string& name) { return !name.empty() && name[0] == '.'; }

std::string upperCase(std::string text) {
    upcaseAscii(text.data());
    return text;
}

std::vector<std::string> songDirectories(const std::string& folder) {
    std::vector<std::string> names = platform::listFolder(folder, "*.*", EntryKind::Folders);
    std::erase_if(names, hidden);
    return names;
}

// Long-note charts are usually published as ".bml", read like ".bme".
std::vector<const char*> chartPatterns(bool longNoteCharts) {
    if (longNoteCharts) return {"*.bms", "*.bme", "*.bml"};
    return {"*.bms", "*.bme"};
}

}  // namespace

SongLibrary& songLibrary() {
    static SongLibrary library;
    return library;
}

bool folderHasCharts(const std::string& root, const std::string& sub, bool longNoteCharts) {
    const std::string folder = join(root, sub);
    for (const std::string& name : songDirectories(folder)) {
        const std::string directory = join(folder, name);
        for (const char* pattern : chartPatterns(longNoteCharts))
            if (!platform::listFolder(directory, pattern, EntryKind::Files).empty()) return true;
    }
    return false;
}

void scanSongRoot(SongLibrary& library, const std::string& givenRoot, const std::string& label) {
    const std::string root = withoutTrailingSeparator(platform::resolvePath(givenRoot));
    if (folderHasCharts(root, ".", library.longNoteCharts)) library.folders.push({upperCase(label), root});
    for (const std::string& name : songDirectories(root)) {
        if (!folderHasCharts(root, name, library.longNoteCharts)) continue;
        library.folders.push({upperCase(name), join(root, name)});
        if (library.folders.size() > kFolderListLimit) return;
    }
}

std::string songRootLabel(const std::string& path) {
    // The separator must leave a name of at least two characters after it.
    for (int i = int(path.size()) - 3; i >= 1; --i)
        if (path[std::size_t(i)] == '\\' || path[std::size_t(i)] == '/') return path.substr(std::size_t(i) + 1);
    return ".";
}

bool buildFolderList(SongLibrary& library, const std::string& programFolder, const std::vector<std::string>& paths) {
    library.folders.clear();
    scanSongRoot(library, programFolder, "-DEFAULT-");
    for (const std::string& path : paths) {
        if (library.folders.size() > kFolderListLimit) break;
        scanSongRoot(library, path, songRootLabel(path));
    }
    return !library.folders.empty();
}

int loadFolder(SongLibrary& library, int folder, const RankingPlace& rankingPlace, const ListOptions& options,
               const std::function<int()>& random) {
    if (library.singleSong || folder < 0 || folder >= library.folders.size()) return 0;
    library.chartCount = 0;
    const std::string& path = library.folders[folder].path;
    for (const std::string& name : songDirectories(path)) {
        const std::string directory = join(path, name);
        for (const char* pattern : chartPatterns(library.longNoteCharts)) {
            for (const std::string& file : platform::listFolder(directory, pattern, EntryKind::Files)) {
                if (library.chartCount >= kMaxCharts) break;
                // A chart that cannot be read still takes its line.
                scanChartHeader(library.charts[std::size_t(library.chartCount++)], directory, file, rankingPlace,
                                library.longNoteCharts);
            }
        }
    }
    buildVisibleList(library, options, random);
    return 1;
}

int loadSingleChart(SongLibrary& library, const std::string& argument, const std::string& programFolder,
                    const RankingPlace& rankingPlace) {
    library.singleSong = true;
    library.folders.clear();
    library.folders.push({"-SINGLE-", withoutTrailingSeparator(programFolder)});
    library.chartCount = 1;
    library.visibleCount = 0;
    library.visible[0] = 0;

    std::string path = argument;
    if (!path.empty() && path.front() == '"') path = path.size() >= 2 ? path.substr(1, path.size() - 2) : "";
    path = platform::resolvePath(path);
    const std::size_t slash = path.find_last_of("/\\");
    const std::string directory = slash == std::string::npos ? "." : path.substr(0, slash);
    const std::string file = slash == std::string::npos ? path : path.substr(slash + 1);

    const int result =
        looksLikeChart(platform::pathFromText(path)) ? scanChartHeader(library.charts[0], directory, file, rankingPlace, library.longNoteCharts) : 0;
    if (result == 0) {
        library.singleSong = false;
        library.folders.clear();
        library.chartCount = 0;
    }
    return result;
}

}  // namespace kv
