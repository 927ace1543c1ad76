#include "screens/select/library_listing.h"

#include <cmath>
#include <cstdio>
#include <memory>

#include "base/random.h"
#include "chart/chart_text.h"
#include "chart/json_text.h"
#include "platform/files.h"
#include "scene/shell.h"
#include "screens/modes/puzzle_missions.h"
#include "screens/results/ranking_file.h"
#include "settings/settings.h"

namespace kv {

void writeVisibleCharts(std::ostream& out, const SongLibrary& library, const std::string& folderName) {
    for (int i = 0; i < library.visibleCount; ++i) {
        const ChartEntry& e = library.charts[std::size_t(library.visible[std::size_t(i)])];
        out << "{\"folder\":" << jsonChartText(folderName) << ",\"file\":" << jsonChartText(chartPath(e).string())
            << ",\"title\":" << jsonString(chartTextUtf8(e, e.title))
            << ",\"artist\":" << jsonString(chartTextUtf8(e, e.artist))
            << ",\"genre\":" << jsonString(chartTextUtf8(e, e.genre)) << ",\"level\":" << int(e.playLevel)
            << ",\"rank\":" << int(e.judgeRank) << ",\"bpm\":" << std::fabs(e.bpm)
            << ",\"tempoChanges\":" << (e.bpm < 0 ? "true" : "false") << ",\"keyType\":" << int(e.keyType)
            << ",\"midi\":" << int(e.hasMidi) << ",\"bgmKeysounds\":" << int(e.bgmKeysounds)
            << ",\"noteKeysounds\":" << int(e.noteKeysounds) << ",\"bgaKind\":" << int(e.bgaKind)
            << ",\"replay\":" << int(e.hasReplay) << ",\"checksum\":" << int(e.checksum);
        const Ranking ranking = loadRankingForDisplay(e);
        const RankingEntry& best = ranking.entries[0];
        const std::string bestName = best.empty() ? std::string() : std::string(best.name.data(), best.name.size());
        out << ",\"topScore\":" << best.score << ",\"topName\":" << jsonChartText(bestName);
        out << ",\"puzzleLetters\":[";
        const char* separator = "";
        for (int mission = 0; mission < kMissionCount; ++mission) {
            if (!ranking.puzzleLetters[std::size_t(mission)]) continue;
            out << separator << '"' << missionCell(mission) << '"';
            separator = ",";
        }
        out << "]}\n";
    }
}

int printSongLibrary(std::ostream& out, const std::string& root, const std::vector<std::string>& extraRoots,
                     const ListOptions& options, const RankingPlace& rankingPlace, const std::function<int()>& random,
                     bool longNoteCharts) {
    auto library = std::make_unique<SongLibrary>();
    library->longNoteCharts = longNoteCharts;
    if (!buildFolderList(*library, root, extraRoots)) return 1;
    for (int folder = 0; folder < library->folders.size(); ++folder) {
        loadFolder(*library, folder, rankingPlace, options, random);
        writeVisibleCharts(out, *library, library->folders[folder].name);
    }
    return 0;
}

int scanCommand(const std::string& folder, std::ostream& out) {
    const Settings& s = settings();
    const std::string& home = shell().programFolder;
    const ListOptions options{s.FILTER, s.FILTER2, s.SORT};
    const RankingPlace place{s.RANKING, home};
    const std::vector<std::string> noExtraRoots;
    if (!folder.empty()) {
        if (!platform::folderExists(folder)) {
            std::fprintf(stderr, "scan: no folder %s\n", folder.c_str());
            return 1;
        }
        return printSongLibrary(out, folder, noExtraRoots, options, place, nextRandom, s.longNotesOn());
    }
    return printSongLibrary(out, home, s.PATH, options, place, nextRandom, s.longNotesOn());
}

}  // namespace kv
