// The chart list's footer counts the charts the list holds.
#include "screens/select/select_screen_draw.h"

#include <gtest/gtest.h>

#include <memory>

#include "screens/select/library.h"

namespace kv {
namespace {

TEST(MusicCounter, CountsTheListedChartsAndTheOneChartOfASingleSong) {
    struct Case {
        bool singleSong;
        int visibleCount, cursor;
        const char* text;
    };
    const Case cases[] = {
        {false, 40, 0, "MUSIC 1/40"},  {false, 40, 40, "MUSIC 41/40"},  // on "RANDOM SELECT"
        {false, 0, 0, "MUSIC 1/0"},    // "NO MUSIC"
        {true, 0, 0, "MUSIC 1/1"},     // the command-line chart is the list's one line
    };
    auto library = std::make_unique<SongLibrary>();
    for (const Case& c : cases) {
        library->singleSong = c.singleSong;
        library->visibleCount = c.visibleCount;
        EXPECT_EQ(musicCounterText(*library, c.cursor), c.text);
    }
}

}  // namespace
}  // namespace kv
