// File-system helpers: names written on Windows found on a case-sensitive
// file system, wildcard listings.
#include "platform/files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/folder_index.h"
#include "support/temp_folder.h"

namespace kv::platform {
namespace {

TEST(WildcardTest, MatchesLikeDos) {
    struct Case {
        const char* pattern;
        const char* name;
        bool match;
    };
    const Case cases[] = {
        {"*.bms", "song.bms", true},    {"*.bms", "SONG.BMS", true},   {"*.BMS", "song.bme", false},
        {"*.bm?", "song.bme", true},    {"*.bm?", "song.bm", false},   {"*.*", "README", true},
        {"*", "", true},                {"a*b*c", "aXXbYYc", true},    {"a*b*c", "aXXbYY", false},
        {"*.kzk", "skin.kzk.bak", false}, {"????", "abcd", true},      {"????", "abc", false},
        {"*x", "xxxx", true},
    };
    for (const auto& c : cases) EXPECT_EQ(wildcardMatch(c.pattern, c.name), c.match) << c.pattern << " " << c.name;
}

class FilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder.write("Songs/Alpha/Kick.WAV", "x");
        folder.write("Songs/Alpha/chart.bms", "x");
        folder.write("Songs/Alpha/other.BME", "x");
        folder.write("Songs/Beta/b.bms", "x");
        folder.write("Songs/notes.txt", "x");
    }
    std::string base() const { return folder.path().string(); }
    test::TempFolder folder{"kv_files"};
};

TEST_F(FilesTest, ResolvesAnyCaseAndBackslashes) {
    const std::string expected = folder / "Songs/Alpha/Kick.WAV";
    EXPECT_EQ(resolvePath("songs\\alpha\\kick.wav", base()), expected);
    EXPECT_EQ(resolvePath("SONGS/ALPHA/KICK.WAV", base()), expected);
    EXPECT_EQ(resolvePath(expected), expected);
    EXPECT_EQ(resolvePath("Songs\\.\\Alpha\\..\\Beta\\B.BMS", base()), folder / "Songs/./Alpha/../Beta/b.bms");
    EXPECT_TRUE(fileExists(resolvePath("songs\\ALPHA\\Chart.Bms", base())));
    EXPECT_TRUE(folderExists(resolvePath("SONGS\\beta", base())));
}

TEST_F(FilesTest, UnknownNamesKeepTheirSpellingWithSlashes) {
    EXPECT_EQ(resolvePath("songs\\Missing\\X.wav", base()), folder / "Songs/Missing/X.wav");
    EXPECT_FALSE(fileExists(folder / "Songs/Missing/X.wav"));
}

TEST_F(FilesTest, ListsFilesAndFoldersSeparatelyAndSorted) {
    const std::string songs = folder / "Songs";
    EXPECT_EQ(listFolder(songs, "*", EntryKind::Folders), (std::vector<std::string>{"Alpha", "Beta"}));
    EXPECT_EQ(listFolder(songs, "*.*", EntryKind::Files), (std::vector<std::string>{"notes.txt"}));
    EXPECT_EQ(listFolder(folder / "songs/alpha", "*.bm?", EntryKind::Files),
              (std::vector<std::string>{"chart.bms", "other.BME"}));
    EXPECT_TRUE(listFolder(folder / "nowhere", "*", EntryKind::Files).empty());
}

TEST_F(FilesTest, DirectoriesCanBeMadeAndEntered) {
    const std::string before = currentDirectory();
    EXPECT_TRUE(makeDirectory(folder / "course"));
    EXPECT_TRUE(makeDirectory(folder / "course"));  // already there
    EXPECT_FALSE(makeDirectory(folder / "Songs/notes.txt"));
    EXPECT_FALSE(makeDirectory(folder / "no/parent"));
    ASSERT_TRUE(changeDirectory(folder / "COURSE"));
    EXPECT_EQ(std::filesystem::current_path(), std::filesystem::path(folder / "course"));
    EXPECT_EQ(currentDirectory().back(), '/');
    EXPECT_FALSE(changeDirectory(folder / "nowhere"));
    ASSERT_TRUE(changeDirectory(before));
}

// The index answers as the disk does, from one listing of each folder.
TEST_F(FilesTest, FolderIndexAnswersAsTheDiskDoes) {
    const std::string names[] = {
        "Songs/Alpha/Kick.WAV", "songs\\alpha\\kick.wav", "SONGS/ALPHA/CHART.BMS", "Songs/Alpha/missing.wav",
        "Songs/Missing/x.wav",  "Songs/Beta",               "songs\\beta\\",      "Songs/./Alpha/../Beta/B.BMS",
        "Songs/notes.txt/x",    "",
    };
    FolderIndex index;
    for (const std::string& name : names) {
        const std::string path = name.empty() ? base() : base() + "/" + name;
        EXPECT_EQ(index.resolve(path), resolvePath(path)) << name;
        EXPECT_EQ(index.isFile(path), fileExists(path)) << name;
    }
    // A file that appears after its folder was listed is not seen: the
    // look-ups never go back to the disk.
    folder.write("Songs/Alpha/late.wav", "x");
    EXPECT_TRUE(fileExists(folder / "Songs/Alpha/late.wav"));
    EXPECT_FALSE(index.isFile(folder / "Songs/Alpha/LATE.wav"));
}

TEST(ExecutableFolderTest, IsTheFolderOfThisTestProgram) {
    const std::string folder = executableFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    const std::filesystem::path program = std::filesystem::path(folder) / "test_platform";
    EXPECT_TRUE(std::filesystem::exists(program) || std::filesystem::exists(program.string() + ".exe")) << folder;
}

}  // namespace
}  // namespace kv::platform
