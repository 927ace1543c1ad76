#include "sysconfig/sysconfig_options.h"

#include <gtest/gtest.h>

#include <vector>

namespace kv::sysconfig {
namespace {

struct OptionsCase {
    std::vector<const char*> arguments;  // after the program name
    bool accepted;
    std::string home = {};
    bool headless = false;
    std::string script = {};
};

TEST(SysconfigOptions, ParsesTheCommandLine) {
    const OptionsCase cases[] = {
        {{}, true, "", false, ""},  // the program's own folder
        {{"--home", "/games/kv"}, true, "/games/kv", false, ""},
        {{"--headless", "--script", "s.txt", "--home", "h"}, true, "h", true, "s.txt"},
        {{"--headless"}, true, "", true, ""},
        {{"--script", "s.txt"}, false},  // scripts drive headless runs only
        {{"--home"}, false},
        {{"--frobnicate"}, false},
        {{"song.bms"}, false},
    };
    for (const OptionsCase& c : cases) {
        std::vector<const char*> argv = {"sysconfig"};
        argv.insert(argv.end(), c.arguments.begin(), c.arguments.end());
        SysconfigOptions options;
        std::string error;
        const bool accepted = parseSysconfigOptions(int(argv.size()), argv.data(), options, error);
        const std::string line = ::testing::PrintToString(c.arguments);
        ASSERT_EQ(accepted, c.accepted) << line;
        if (!accepted) {
            EXPECT_FALSE(error.empty()) << line;
            continue;
        }
        EXPECT_EQ(options.home, c.home) << line;
        EXPECT_EQ(options.headless, c.headless) << line;
        EXPECT_EQ(options.script, c.script) << line;
    }
}

}  // namespace
}  // namespace kv::sysconfig
