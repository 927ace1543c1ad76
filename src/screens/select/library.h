#pragma once
// The song library: the song folders found at start, the chart table of
// the open folder and the filtered, sorted list the select screen shows.
// A chart lies at root / song folder / song directory / file.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "base/fixed_list.h"
#include "chart/chart_entry.h"
#include "chart/header_scan.h"

namespace kv {

struct SongFolder {
    std::string name;  // upper case: a root's label or the folder's name
    std::string path;  // no trailing separator
};

constexpr int kNoFolderOpen = 999;
constexpr int kMaxCharts = 512;  // the table holds one more record, the pseudo entry

// The list settings: FILTER (5/7 keys), FILTER2 (10/14 keys), SORT.
struct ListOptions {
    int filter = 0;
    int filter2 = 0;
    int sort = 0;
};

struct SongLibrary {
    FixedList<SongFolder, 257> folders;
    int currentFolder = kNoFolderOpen;
    int atFolderList = 1;
    bool singleSong = false;  // a chart named on the command line is the whole library
    bool longNoteCharts = false;  // LONGNOTES: ".bml" charts are listed too
    std::array<ChartEntry, kMaxCharts + 1> charts;
    int chartCount = 0;
    std::array<int, kMaxCharts + 1> visible{};  // chart indices in display order, then the pseudo entry
    int visibleCount = 0;
};

// The game's one library.
SongLibrary& songLibrary();

// True when a song directory of root/sub holds a ".bms" or ".bme" file.
bool folderHasCharts(const std::string& root, const std::string& sub, bool longNoteCharts = false);

// Adds the folders of one root; the root's own entry carries `label`.
void scanSongRoot(SongLibrary& library, const std::string& root, const std::string& label);

// The program folder ("-DEFAULT-") and then each extra song folder. True
// when at least one song folder was found.
bool buildFolderList(SongLibrary& library, const std::string& programFolder, const std::vector<std::string>& paths);

// The folder list's label of an extra song folder: its last path component.
std::string songRootLabel(const std::string& path);

// Fills the chart table from one folder and builds the visible list.
// Returns 1, or 0 in single-chart mode or for a folder that does not exist.
int loadFolder(SongLibrary& library, int folder, const RankingPlace& rankingPlace, const ListOptions& options,
               const std::function<int()>& random);

// Applies the filters and the order; the pseudo entry ("RANDOM SELECT" or
// "NO MUSIC") follows the visible charts. Returns 1, or 0 in single-chart mode.
int buildVisibleList(SongLibrary& library, const ListOptions& options, const std::function<int()>& random);

// The single-chart start: `argument` is the chart path as given on the
// command line. Returns the header scan's result, 0 also for a folder or a
// file without any "#" line; on failure the library is left empty and out
// of single-chart mode.
int loadSingleChart(SongLibrary& library, const std::string& argument, const std::string& programFolder,
                    const RankingPlace& rankingPlace);

}  // namespace kv
