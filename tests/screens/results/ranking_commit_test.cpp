#include <gtest/gtest.h>

#include <vector>

#include "screens/results/ranking_commit.h"
#include "support/temp_folder.h"

namespace kv {
namespace {

class RankingCommitTest : public ::testing::Test {
protected:
    void SetUp() override {
        path = temp.path() / "song.K2R";
        stored.entries[0].score = 150000;
        stored.entries[0].name = {'O', 'L', 'D', ' '};
        ASSERT_TRUE(writeRankingBlock(path, encodeRanking(stored, kChecksum, random)));
        RankingEntry run;
        run.score = 180000;
        update = {.write = true, .place = 0, .ranking = stored};
        insertRankingEntry(update.ranking, 0, run);
    }
    Ranking readBack() { return decodeRanking(readRankingBlock(path), kChecksum); }
    void typeName(ResultFlow& flow, const char* name) {
        for (const char* c = name; *c; ++c) {
            std::vector<ResultKey> keys{{ResultKeyKind::Symbol, *c}};
            stepResultFlow(flow, keys);
        }
        std::vector<ResultKey> enter{{ResultKeyKind::Enter}};
        stepResultFlow(flow, enter);
    }

    static constexpr std::uint8_t kChecksum = 0x3C;
    test::TempFolder temp{"kv_ranking_commit"};
    RandomSource random = [n = 0]() mutable { return n += 4099; };
    std::filesystem::path path;
    Ranking stored;
    RankingUpdate update;
};

TEST_F(RankingCommitTest, TypedNameIsStoredInTheFileAndTheNameSetting) {
    ResultFlow flow = startResultFlow(true, false, "ZZ");
    stepResultFlow(flow, std::vector<ResultKey>{{ResultKeyKind::Enter}});  // skip the rolling figures
    typeName(flow, "9");
    std::string nameSetting = "ZZ";
    const auto block = commitRanking(update, flow, path, kChecksum, nameSetting, random);
    ASSERT_TRUE(block);
    EXPECT_EQ(*block, readRankingBlock(path));
    const Ranking read = readBack();
    EXPECT_EQ(read.entries[0].score, 180000);
    EXPECT_EQ(read.entries[0].name, (std::array<char, 4>{'Z', 'Z', '9', ' '}));
    EXPECT_EQ(read.entries[1].name, (std::array<char, 4>{'O', 'L', 'D', ' '}));
    EXPECT_EQ(nameSetting, "ZZ9 ");
}

TEST_F(RankingCommitTest, NothingToWriteLeavesFileAndSettingAlone) {
    update.write = false;
    ResultFlow flow = startResultFlow(false, false, "****");
    std::string nameSetting = "AB";
    EXPECT_FALSE(commitRanking(update, flow, path, kChecksum, nameSetting, random));
    EXPECT_EQ(readBack(), stored);
    EXPECT_EQ(nameSetting, "AB");
}

TEST_F(RankingCommitTest, FailedWriteKeepsTheStoredRanking) {
    std::filesystem::create_directory(temp.path() / "song.K2R.tmp");
    ResultFlow flow = startResultFlow(true, false, "****");
    std::string nameSetting = "****";
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(commitRanking(update, flow, path, kChecksum, nameSetting, random));
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(readBack(), stored);
    EXPECT_NE(said.find("could not save " + path.string()), std::string::npos) << said;
    EXPECT_EQ(said.find("could not save"), said.rfind("could not save")) << "said once";
}

}  // namespace
}  // namespace kv
