#include "screens/select/select_screen_scenes.h"

#include <gtest/gtest.h>

#include "screens/select/library.h"

namespace kv {
namespace {

TEST(SelectScenes, SongListHelpersFollowTheDisplayOrderAndStayInBounds) {
    SongLibrary& library = songLibrary();
    library.folders.clear();
    library.folders.push({"ZED", "/z"});
    library.folders.push({"ALPHA", "/a"});
    library.chartCount = 1;
    library.charts[0] = ChartEntry{};
    library.charts[0].title = "ONE";
    library.charts[1].title = "RANDOM SELECT";
    library.visible[0] = 0;
    library.visible[1] = 1;
    library.visibleCount = 1;
    SceneTable scenes;
    addSelectScenes(scenes);

    EXPECT_EQ(scenes.folderCount(), 2);
    EXPECT_EQ(scenes.folderIdAt(0), 1);
    EXPECT_EQ(scenes.folderIdAt(1), 0);
    EXPECT_EQ(scenes.folderIdAt(2), kNoFolderOpen);
    EXPECT_EQ(scenes.visibleEntry(0).title, "ONE");
    EXPECT_EQ(scenes.visibleEntry(1).title, "RANDOM SELECT");
    EXPECT_EQ(scenes.visibleEntry(2).title, "");
    EXPECT_EQ(scenes.visibleEntry(-1).title, "");
}

}  // namespace
}  // namespace kv
