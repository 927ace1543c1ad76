#include "screens/select/select_screen_scenes.h"

#include "base/random.h"
#include "screens/select/library.h"
#include "screens/select/select_screen.h"
#include "screens/select/select_screen_run.h"
#include "settings/settings.h"

namespace kv {

void addSelectScenes(SceneTable& scenes) {
    scenes.runSelectScreen = runSelectScreen;
    scenes.chosenEntry = chosenChartEntry;
    scenes.rebuildSongList = [] {
        const Settings& s = settings();
        buildVisibleList(songLibrary(), {s.FILTER, s.FILTER2, s.SORT}, nextRandom);
    };
    scenes.visibleCount = [] { return songLibrary().visibleCount; };
    // Positions past the list give an empty entry rather than reading past it.
    scenes.visibleEntry = [](int position) {
        const SongLibrary& library = songLibrary();
        if (position < 0 || position > library.visibleCount) return ChartEntry{};
        return library.charts[std::size_t(library.visible[std::size_t(position)])];
    };
    scenes.folderCount = [] { return songLibrary().folders.size(); };
    scenes.folderIdAt = [](int position) {
        const std::vector<int> order = folderDisplayOrder(songLibrary());
        return position >= 0 && position < int(order.size()) ? order[std::size_t(position)] : kNoFolderOpen;
    };
    scenes.currentFolderId = [] { return songLibrary().currentFolder; };
    scenes.openFolder = openSongFolder;
}

}  // namespace kv
