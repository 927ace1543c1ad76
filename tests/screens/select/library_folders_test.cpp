#include <gtest/gtest.h>

#include <memory>

#include "chart/chart_fixture.h"
#include "screens/select/library.h"

namespace kv::testing {
namespace {

class LibraryFolders : public ::testing::Test {
protected:
    ScratchFolder folder;
    std::unique_ptr<SongLibrary> library = std::make_unique<SongLibrary>();
    RankingPlace place;
    std::function<int()> random = [] { return 0; };

    std::string at(const std::string& relative) const { return (folder.path() / relative).generic_string(); }

    std::vector<std::string> folderNames() const {
        std::vector<std::string> names;
        for (const SongFolder& entry : library->folders) names.push_back(entry.name);
        return names;
    }

    std::vector<std::string> listedFiles() const {
        std::vector<std::string> files;
        for (int i = 0; i < library->visibleCount; ++i)
            files.push_back(library->charts[std::size_t(library->visible[std::size_t(i)])].fileName);
        return files;
    }
};

TEST_F(LibraryFolders, ChartsLieExactlyTwoLevelsBelowASongFolder) {
    folder.write("home/own song/a.bms", "#TITLE a\n");
    folder.write("home/Pack b/song/x.bme", "#TITLE x\n");
    folder.write("home/too deep/one/two/y.bms", "#TITLE y\n");
    folder.write("home/z.bms", "#TITLE z\n");  // too shallow
    folder.write("home/.hidden/song/h.bms", "#TITLE h\n");
    folder.write("home/dotted song/.song/q.bms", "#TITLE q\n");
    folder.write("home/notes/readme.txt", "not a chart\n");
    folder.write("extra/Root Own/c.BMS", "#TITLE c\n");
    folder.write("extra/newpack/s/d.bms", "#TITLE d\n");

    ASSERT_TRUE(buildFolderList(*library, at("home"), {at("extra"), at("missing")}));
    EXPECT_EQ(folderNames(), (std::vector<std::string>{"-DEFAULT-", "PACK B", "EXTRA", "NEWPACK"}));
    EXPECT_EQ(library->folders[1].path, at("home/Pack b"));
    EXPECT_EQ(library->folders[2].path, at("extra"));
}

TEST_F(LibraryFolders, NoChartsAnywhereFindsNothing) {
    folder.write("home/notes/readme.txt", "x\n");
    EXPECT_FALSE(buildFolderList(*library, at("home"), {}));
    EXPECT_TRUE(library->folders.empty());
}

TEST(SongRootLabel, LastComponentOfThePath) {
    const std::pair<const char*, const char*> cases[] = {
        {"D:\\MUSIC\\NEW", "NEW"}, {"/home/me/songs", "songs"}, {"nosep", "."}, {"\\ab", "."},
        {"x\\ab", "ab"},           {"x\\a", "."}};
    for (const auto& [path, label] : cases) EXPECT_EQ(songRootLabel(path), label) << path;
}

TEST_F(LibraryFolders, FolderTableListsBmsBeforeBmeInEachSongDirectory) {
    folder.write("home/pack/b dir/z.bms", "#TITLE bz\n");
    folder.write("home/pack/a dir/b.bme", "#TITLE ab\n#00118:01\n");
    folder.write("home/pack/a dir/a.bme", "#TITLE aa\n");
    folder.write("home/pack/a dir/c.bms", "#TITLE ac\n");
    ASSERT_TRUE(buildFolderList(*library, at("home"), {}));
    ASSERT_EQ(loadFolder(*library, 0, place, {}, random), 1);
    EXPECT_EQ(library->chartCount, 4);
    EXPECT_EQ(listedFiles(), (std::vector<std::string>{"c.bms", "a.bme", "b.bme", "z.bms"}));
    EXPECT_EQ(library->charts[2].keyType, 1);
    EXPECT_EQ(library->charts[0].dirPath, at("home/pack/a dir"));
    EXPECT_EQ(library->charts[std::size_t(library->visible[4])].title, "RANDOM SELECT");
}

TEST_F(LibraryFolders, AFolderListsAtMost512Charts) {
    for (int i = 0; i < kMaxCharts + 3; ++i) folder.write("home/pack/song/c" + std::to_string(1000 + i) + ".bms", "");
    ASSERT_TRUE(buildFolderList(*library, at("home"), {}));
    ASSERT_EQ(loadFolder(*library, 0, place, {}, random), 1);
    EXPECT_EQ(library->chartCount, kMaxCharts);
    EXPECT_EQ(library->visibleCount, kMaxCharts);
    EXPECT_EQ(library->charts[kMaxCharts - 1].fileName, "c1511.bms");
}

TEST_F(LibraryFolders, UnknownFolderIndexLoadsNothing) {
    folder.write("home/pack/song/a.bms", "");
    ASSERT_TRUE(buildFolderList(*library, at("home"), {}));
    EXPECT_EQ(loadFolder(*library, kNoFolderOpen, place, {}, random), 0);
    EXPECT_EQ(loadFolder(*library, -1, place, {}, random), 0);
}

TEST_F(LibraryFolders, SingleChartIsTheWholeLibrary) {
    folder.write("songs/one/x.bms", "#TITLE Single\n");
    ASSERT_EQ(loadSingleChart(*library, "\"" + at("songs/one/x.bms") + "\"", at("home"), place), 1);
    EXPECT_TRUE(library->singleSong);
    EXPECT_EQ(folderNames(), (std::vector<std::string>{"-SINGLE-"}));
    EXPECT_EQ(library->chartCount, 1);
    EXPECT_EQ(library->charts[0].title, "Single");
    EXPECT_EQ(library->charts[0].dirPath, at("songs/one"));
    // The select screen shows the one chart; the folder and list builders stand aside.
    EXPECT_EQ(loadFolder(*library, 0, place, {}, random), 0);
    EXPECT_EQ(buildVisibleList(*library, {}, random), 0);
}

TEST_F(LibraryFolders, FailedSingleChartLeavesAnEmptyLibrary) {
    EXPECT_EQ(loadSingleChart(*library, at("songs/absent.bms"), at("home"), place), 0);
    EXPECT_FALSE(library->singleSong);
    EXPECT_TRUE(library->folders.empty());
    EXPECT_EQ(library->chartCount, 0);
}

}  // namespace
}  // namespace kv::testing
