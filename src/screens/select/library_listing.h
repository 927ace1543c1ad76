#pragma once
// The "--scan" report: the song library as the select screen lists it,
// one JSON line per chart.
#include <ostream>
#include <string>

#include "screens/select/library.h"

namespace kv {

// One line per visible chart of the open folder, labelled with the folder's name.
void writeVisibleCharts(std::ostream& out, const SongLibrary& library, const std::string& folderName);

// Builds the library from `root` (the program folder, or the folder given
// on the command line) and the extra song folders, opens every folder in
// turn and prints its list. Returns 0, or 1 when no song folder was found.
int printSongLibrary(std::ostream& out, const std::string& root, const std::vector<std::string>& extraRoots,
                     const ListOptions& options, const RankingPlace& rankingPlace, const std::function<int()>& random,
                     bool longNoteCharts = false);

// The "--scan [FOLDER]" command with the game's settings; an empty `folder`
// scans the program folder and the settings' PATH folders.
int scanCommand(const std::string& folder, std::ostream& out);

}  // namespace kv
