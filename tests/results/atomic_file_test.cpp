#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>

#include "results/atomic_file.h"
#include "temp_folder.h"

namespace kv {
namespace {

class AtomicFileTest : public test::TempFolderTest {
protected:
    const std::vector<unsigned char> oldBytes{1, 2, 3};
    const std::vector<unsigned char> newBytes = std::vector<unsigned char>(4096, 0xAB);
};

TEST_F(AtomicFileTest, ReplacesTheWholeFile) {
    const auto path = folder / "a.K2R";
    writeBytes(path, oldBytes);
    ASSERT_TRUE(writeFileAtomically(path, newBytes));
    EXPECT_EQ(readBytes(path), newBytes);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1) << "no temporary file remains";
}

TEST_F(AtomicFileTest, TemporaryFileThatCannotBeCreatedLeavesTheOldFile) {
    const auto path = folder / "a.K2R";
    writeBytes(path, oldBytes);
    std::filesystem::create_directory(folder / "a.K2R.tmp");
    EXPECT_FALSE(writeFileAtomically(path, newBytes));
    EXPECT_EQ(readBytes(path), oldBytes);
    EXPECT_TRUE(std::filesystem::is_directory(folder / "a.K2R.tmp")) << "what was not ours stays";
}

TEST_F(AtomicFileTest, FailureHalfwayThroughWritingLeavesTheOldFile) {
    const auto path = folder / "a.K2R";
    writeBytes(path, oldBytes);
    // A file size limit makes the write stop part-way, as a full disk would.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = writeFileAtomically(path, newBytes);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(readBytes(path), oldBytes);
    EXPECT_FALSE(std::filesystem::exists(folder / "a.K2R.tmp"));
}

TEST_F(AtomicFileTest, MissingFolderFails) {
    EXPECT_FALSE(writeFileAtomically(folder / "no" / "a.K2R", newBytes));
    EXPECT_FALSE(canReplaceFile(folder / "no" / "a.K2R"));
}

TEST_F(AtomicFileTest, ProbingLeavesTheFolderAsItWas) {
    const auto path = folder / "a.K2R";
    writeBytes(path, oldBytes);
    EXPECT_TRUE(canReplaceFile(path));
    EXPECT_TRUE(canReplaceFile(folder / "new.K2R"));
    EXPECT_EQ(readBytes(path), oldBytes);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
}

}  // namespace
}  // namespace kv
