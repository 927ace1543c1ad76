#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/resource.h>

#include <csignal>
#endif

#include "platform/atomic_file.h"
#include "support/temp_folder.h"

namespace kv::platform {
namespace {

class AtomicFileTest : public ::testing::Test {
protected:
    bool writeAtomically(const std::filesystem::path& path, const std::string& bytes) {
        return writeFileAtomically(path, std::string_view(bytes));
    }

    test::TempFolder temp{"kv_atomic"};
    const std::filesystem::path folder = temp.path();
    const std::string oldBytes{1, 2, 3};
    const std::string newBytes = std::string(4096, '\xAB');
};

TEST_F(AtomicFileTest, ReplacesTheWholeFile) {
    const auto path = folder / "a.K2R";
    temp.write("a.K2R", oldBytes);
    ASSERT_TRUE(writeAtomically(path, newBytes));
    EXPECT_EQ(test::TempFolder::read(path), newBytes);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1) << "no temporary file remains";
}

TEST_F(AtomicFileTest, TemporaryFileThatCannotBeCreatedLeavesTheOldFile) {
    const auto path = folder / "a.K2R";
    temp.write("a.K2R", oldBytes);
    std::filesystem::create_directory(folder / "a.K2R.tmp");
    EXPECT_FALSE(writeAtomically(path, newBytes));
    EXPECT_EQ(test::TempFolder::read(path), oldBytes);
    EXPECT_TRUE(std::filesystem::is_directory(folder / "a.K2R.tmp")) << "what was not ours stays";
}

// Windows has no file size limit to stand in for a full disk.
#ifndef _WIN32
TEST_F(AtomicFileTest, FailureHalfwayThroughWritingLeavesTheOldFile) {
    const auto path = folder / "a.K2R";
    temp.write("a.K2R", oldBytes);
    // A file size limit makes the write stop part-way, as a full disk would.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = writeAtomically(path, newBytes);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(test::TempFolder::read(path), oldBytes);
    EXPECT_FALSE(std::filesystem::exists(folder / "a.K2R.tmp"));
}
#endif

TEST_F(AtomicFileTest, MissingFolderFails) {
    EXPECT_FALSE(writeAtomically(folder / "no" / "a.K2R", newBytes));
    EXPECT_FALSE(canReplaceFile(folder / "no" / "a.K2R"));
}

TEST_F(AtomicFileTest, ProbingLeavesTheFolderAsItWas) {
    const auto path = folder / "a.K2R";
    temp.write("a.K2R", oldBytes);
    EXPECT_TRUE(canReplaceFile(path));
    EXPECT_TRUE(canReplaceFile(folder / "new.K2R"));
    EXPECT_EQ(test::TempFolder::read(path), oldBytes);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
}

}  // namespace
}  // namespace kv::platform
