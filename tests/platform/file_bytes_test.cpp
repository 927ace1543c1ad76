// Whole-file reads: contents come back exactly, and a file that refuses to
// be read is a failed read, not an exception.
#include "platform/file_bytes.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace kv::platform {
namespace {

TEST(ReadFileBytes, ReturnsTheWholeFileOrFails) {
    test::TempFolder folder;
    std::vector<std::uint8_t> written(200000);
    for (std::size_t i = 0; i < written.size(); ++i) written[i] = std::uint8_t(i * 7);
    const std::string path = folder.write("data.bin", std::string(written.begin(), written.end()));
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(readFileBytes(path, bytes));
    EXPECT_EQ(bytes, written);

    bytes = {1, 2, 3};
    EXPECT_FALSE(readFileBytes(folder / "missing.bin", bytes));
    EXPECT_TRUE(bytes.empty());
    // Opens like a file, but every read at offset 0 fails.
    bytes = {1, 2, 3};
    EXPECT_FALSE(readFileBytes("/proc/self/mem", bytes));
    EXPECT_TRUE(bytes.empty());
    // A folder opens too, and refuses every read.
    bytes = {1, 2, 3};
    EXPECT_FALSE(readFileBytes(folder.path().string(), bytes));
    EXPECT_TRUE(bytes.empty());
}

TEST(ReadFilePrefix, StopsAtTheLimit) {
    test::TempFolder folder;
    const std::string path = folder.write("data.bin", std::string(100000, 'x'));
    struct Case {
        std::size_t limit, expected;
    };
    for (const Case c : {Case{0, 0}, Case{2, 2}, Case{65537, 65537}, Case{100000, 100000}, Case{200000, 100000}}) {
        std::vector<std::uint8_t> bytes;
        ASSERT_TRUE(readFilePrefix(path, c.limit, bytes)) << c.limit;
        EXPECT_EQ(bytes.size(), c.expected) << c.limit;
    }
    std::vector<std::uint8_t> bytes;
    EXPECT_FALSE(readFilePrefix(folder.path().string(), 10, bytes));
}

}  // namespace
}  // namespace kv::platform
