#include <gtest/gtest.h>

#include "result_scene_fixture.h"
#include "screens/results/grade.h"
#include "screens/results/ranking_file.h"
#include "screens/results/result_screen.h"

namespace kv {
namespace {

// A finished free-play run of a 100-note chart whose ranking file already
// holds three scores; the screen is driven by a headless script.
class ResultScreenTest : public test::ResultSceneTest {
protected:
    ResultScreenTest() : ResultSceneTest("kv_result_screen") {}

    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(ResultSceneTest::SetUp());
        thePlay.coolCount = 70;
        thePlay.greatCount = 20;
        thePlay.goodCount = 5;
        thePlay.missCount = 5;
        thePlay.score = 70 * 2000 + 20 * 1000 + 5 * 500;
        thePlay.maxCombo = 60;
        theChart.noteCount = 100;
        entry.dirPath = temp.path().string();
        entry.fileName = "song.bms";
        entry.checksum = 0x5E;
        for (int row = 0; row < 3; ++row) stored.entries[row].score = 180000 - 30000 * row;  // 180000, 150000, 120000
        storedBlock = encodeRanking(stored, entry.checksum, [n = 7]() mutable { return n += 31; });
        ASSERT_TRUE(writeRankingBlock(rankingFile(), storedBlock));
    }
    std::filesystem::path rankingFile() const { return temp.path() / "song.K2R"; }
    Ranking storedNow() const { return decodeRanking(readRankingBlock(rankingFile()), entry.checksum); }

    ChartEntry entry;
    Ranking stored;
    RankingBlock storedBlock;
};

TEST_F(ResultScreenTest, QualifyingRunTakesANameAndStoresItOnLeaving) {
    session.runScript("wait 100\npress RETURN\nwait 100\ntype AB1\npress RETURN\nwait 100\npress RETURN\nwait 500\n");
    EXPECT_EQ(resultScreen(PurposeFreePlay, GradeC, entry, -1), 1);
    const Ranking now = storedNow();
    EXPECT_EQ(now.entries[0].score, 180000);
    EXPECT_EQ(now.entries[1].score, 162500);
    EXPECT_EQ(now.entries[1].name, (std::array<char, 4>{'A', 'B', '1', ' '}));
    EXPECT_EQ(now.entries[1].coolCount, 70);
    EXPECT_EQ(now.entries[2].score, 150000);
    EXPECT_EQ(entry.rankingBlock, readRankingBlock(rankingFile())) << "the song list shows the new ranking";
    EXPECT_EQ(settings().NAME, "****") << "an unset NAME stays unset";
}

TEST_F(ResultScreenTest, QuittingBeforeLeavingKeepsTheStoredRanking) {
    session.runScript("wait 100\npress RETURN\nwait 100\ntype ZZ\n");  // the script's end is the quit message
    EXPECT_EQ(resultScreen(PurposeFreePlay, GradeC, entry, -1), 0);
    EXPECT_EQ(readRankingBlock(rankingFile()), storedBlock);
}

TEST_F(ResultScreenTest, RunThatDoesNotPlaceLeavesWithoutNameEntry) {
    stored.entries[3].score = 110000;
    stored.entries[4].score = 100000;  // equal to the run's: not displaced
    storedBlock = encodeRanking(stored, entry.checksum, [] { return 99; });
    ASSERT_TRUE(writeRankingBlock(rankingFile(), storedBlock));
    thePlay.score = 100000;
    thePlay.coolCount = 50;
    thePlay.greatCount = 0;
    thePlay.goodCount = 0;
    thePlay.missCount = 50;
    session.runScript("wait 100\npress RETURN\nwait 100\npress TAB\nwait 500\n");
    EXPECT_EQ(resultScreen(PurposeFreePlay, GradeE, entry, -1), 2) << "Tab restarts";
    EXPECT_EQ(readRankingBlock(rankingFile()), storedBlock);
}

TEST_F(ResultScreenTest, ImplausibleRunIsShownButNotStored) {
    thePlay.score = 199000;  // does not follow from the counts
    session.runScript("wait 100\npress RETURN\nwait 100\ntype AB\npress RETURN\nwait 100\npress RETURN\nwait 500\n");
    resultScreen(PurposeFreePlay, GradeA, entry, -1);
    EXPECT_EQ(readRankingBlock(rankingFile()), storedBlock);
}

TEST_F(ResultScreenTest, NothingJudgedShowsNothing) {
    thePlay = Play{};
    session.runScript("wait 500\n");
    EXPECT_EQ(resultScreen(PurposeFreePlay, GradeAllCoolGreat, entry, -1), 0);
    EXPECT_TRUE(session.frameHashes().empty());
}

TEST_F(ResultScreenTest, ChartWithoutNotesDrawsWithoutDividing) {
    theChart.noteCount = 0;
    thePlay = Play{};
    thePlay.missCount = 3;
    session.runScript("wait 3000\npress ESCAPE\nwait 500\n");
    EXPECT_EQ(resultScreen(PurposeFreePlay, GradeAllCoolGreat, entry, -1), 1);
    EXPECT_EQ(readRankingBlock(rankingFile()), storedBlock) << "a score of 0 never enters";
}

}  // namespace
}  // namespace kv
