#include <gtest/gtest.h>

#include <sstream>

#include "chart/chart_fixture.h"
#include "screens/results/ranking_file.h"
#include "screens/select/library_listing.h"

namespace kv::testing {
namespace {

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) result.push_back(line);
    return result;
}

TEST(LibraryListing, OneJsonLinePerVisibleChartInListOrder) {
    ScratchFolder folder;
    folder.write("home/pack/b/two.bme", "#TITLE Zulu\n#PLAYLEVEL 9\n#BPM 90\n#00103:78\n#00118:01\n");
    folder.write("home/pack/a/one.bms", "#TITLE \x93\xfa\x96\x7b \"q\"\n#ARTIST me\n#GENRE pop\n#BPM 150\n");
    std::ostringstream out;
    const std::string home = (folder.path() / "home").generic_string();
    ASSERT_EQ(printSongLibrary(out, home, {}, {0, 0, 1}, {}, [] { return 0; }), 0);

    const auto lines = splitLines(out.str());
    ASSERT_EQ(lines.size(), 2u);
    ChartEntry scanned;
    ASSERT_EQ(scanChartHeader(scanned, home + "/pack/b", "two.bme", {}), 1);
    EXPECT_EQ(lines[0], "{\"folder\":\"PACK\",\"file\":\"" + home + "/pack/b/two.bme\",\"title\":\"Zulu\",\"artist\":\"\","
                        "\"genre\":\"\",\"level\":9,\"rank\":2,\"bpm\":90,\"tempoChanges\":true,\"keyType\":1,\"midi\":0,"
                        "\"bgmKeysounds\":0,\"noteKeysounds\":0,\"bgaKind\":0,\"replay\":0,\"checksum\":" +
                            std::to_string(scanned.checksum) + ",\"topScore\":0,\"topName\":\"\",\"puzzleLetters\":[]}");
    // Titles are shown in UTF-8, quotes escaped.
    EXPECT_NE(lines[1].find("\"title\":\"日本 \\\"q\\\"\""), std::string::npos) << lines[1];
    EXPECT_NE(lines[1].find("\"artist\":\"me\""), std::string::npos);
    EXPECT_NE(lines[1].find("\"bpm\":150,\"tempoChanges\":false"), std::string::npos);
}

TEST(LibraryListing, ShowsTheStoredTopScoreNameAndPuzzleLetters) {
    ScratchFolder folder;
    folder.write("home/pack/a/one.bms", "#TITLE One\n#BPM 150\n#00111:01\n");
    ChartEntry scanned;
    ASSERT_EQ(scanChartHeader(scanned, (folder.path() / "home/pack/a").string(), "one.bms", {}), 1);
    Ranking ranking;
    ranking.entries[0].score = 123456;
    ranking.entries[0].name = {'A', 'B', '1', ' '};
    ranking.entries[1].score = 99;
    for (int mission : {0, 5, 23}) ranking.puzzleLetters[std::size_t(mission)] = true;
    ASSERT_TRUE(writeRankingBlock(folder.path() / "home/pack/a/one.K2R",
                                  encodeRanking(ranking, scanned.checksum, [] { return 7; })));
    std::ostringstream out;
    ASSERT_EQ(printSongLibrary(out, (folder.path() / "home").string(), {}, {}, {}, [] { return 0; }), 0);
    EXPECT_NE(out.str().find(",\"topScore\":123456,\"topName\":\"AB1 \",\"puzzleLetters\":[\"K1\",\"R1\",\"N3\"]}"),
              std::string::npos)
        << out.str();
}

TEST(LibraryListing, NoSongFolderIsAFailure) {
    ScratchFolder folder;
    std::ostringstream out;
    EXPECT_EQ(printSongLibrary(out, folder.path().string(), {}, {}, {}, [] { return 0; }), 1);
    EXPECT_TRUE(out.str().empty());
}

}  // namespace
}  // namespace kv::testing
