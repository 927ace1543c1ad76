#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "base/text.h"
#include "screens/select/library.h"

namespace kv {

namespace {

enum SortCode { SortNone = 0, SortName = 1, SortLevel = 2, SortArtist = 3, SortTempo = 4, SortGenre = 5, SortRandom = 6 };

bool filteredOut(const ListOptions& options, int keyType) {
    return ((options.filter == 1 || options.filter == 3) && keyType == 1) ||
           ((options.filter == 2 || options.filter == 3) && keyType == 0) ||
           ((options.filter2 == 1 || options.filter2 == 3) && keyType == 3) ||
           ((options.filter2 == 2 || options.filter2 == 3) && keyType == 2);
}

// The sort key of one chart: a text folded to upper case, or a number.
struct SortKey {
    std::string text;
    long number = 0;
};

SortKey sortKey(const ChartEntry& entry, int sort) {
    SortKey key;
    switch (sort) {
        case SortName: key.text = entry.title; break;
        case SortArtist: key.text = entry.artist; break;
        case SortGenre: key.text = entry.genre; break;
        case SortLevel: key.number = entry.playLevel; break;
        case SortTempo: key.number = long(std::fabs(entry.bpm)); break;
    }
    upcaseAscii(key.text.data());
    return key;
}

// Byte by byte as unsigned bytes, like strcmp.
bool greater(const SortKey& a, const SortKey& b) {
    if (a.number != b.number) return a.number > b.number;
    return std::strcmp(a.text.c_str(), b.text.c_str()) > 0;
}

void makePseudoEntry(SongLibrary& library) {
    ChartEntry& pseudo = library.charts[std::size_t(library.chartCount)];
    pseudo = ChartEntry{};
    pseudo.bpm = 0;
    pseudo.playLevel = 0;
    pseudo.title = library.visibleCount > 0 ? "RANDOM SELECT" : "NO MUSIC";
    library.visible[std::size_t(library.visibleCount)] = library.chartCount;
}

}  // namespace

int buildVisibleList(SongLibrary& library, const ListOptions& options, const std::function<int()>& random) {
    library.visibleCount = 0;
    if (library.singleSong) return 0;
    for (int i = 0; i < library.chartCount; ++i)
        if (!filteredOut(options, library.charts[std::size_t(i)].keyType)) library.visible[std::size_t(library.visibleCount++)] = i;
    makePseudoEntry(library);

    const int count = library.visibleCount;
    int* visible = library.visible.data();
    if (options.sort == SortRandom) {
        for (int i = 0; i < count; ++i)
            for (int j = 0; j < count; ++j)
                if (random() % 2 == 0) std::swap(visible[i], visible[j]);
        return 1;
    }
    if (options.sort < SortName || options.sort > SortGenre) return 1;

    std::vector<SortKey> keys(std::size_t(library.chartCount));
    for (int i = 0; i < count; ++i)
        keys[std::size_t(visible[i])] = sortKey(library.charts[std::size_t(visible[i])], options.sort);
    // The exchange sort the list always used: equal keys keep the order it leaves them in.
    for (int i = 0; i + 1 < count; ++i)
        for (int j = i + 1; j < count; ++j)
            if (greater(keys[std::size_t(visible[i])], keys[std::size_t(visible[j])])) std::swap(visible[i], visible[j]);
    return 1;
}

}  // namespace kv
