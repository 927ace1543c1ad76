// The player's guide's table of lane keys.
#include "media/input/lane_key_table.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "base/dik.h"

namespace kv {
namespace {

const KeyBindings kDefaults = Settings{}.KEYCODE;

TEST(LaneKeyTable, NamesTheDefaultKeysOfEveryKeyMode) {
    // Five-key charts leave keys 6 and 7 out; the second player of a
    // ten-key chart plays on that side's keys 3 to 7.
    EXPECT_EQ(laneKeyTable(kDefaults),
              "| Chart | Turntable | Key 1 | Key 2 | Key 3 | Key 4 | Key 5 | Key 6 | Key 7 |\n"
              "|---|---|---|---|---|---|---|---|---|\n"
              "| 5 keys | Left Shift or Space | Z | S | X | D | C | | |\n"
              "| 7 keys | Left Shift or Space | Z | S | X | D | C | F | V |\n"
              "| 10 keys, player 1 | Left Shift or Space | Z | S | X | D | C | | |\n"
              "| 10 keys, player 2 | Enter or Right Shift | N | J | M | K | , | | |\n"
              "| 14 keys, player 1 | Left Shift or Space | Z | S | X | D | C | F | V |\n"
              "| 14 keys, player 2 | Enter or Right Shift | B | H | N | J | M | K | , |\n");
}

TEST(LaneKeyTable, FollowsTheBindings) {
    KeyBindings keys = kDefaults;
    keys[2] = DIK_Q;          // left key 1
    keys[13] = DIK_BACKSLASH;  // right key 3: a table cell cannot hold a bare backslash
    const std::string table = laneKeyTable(keys);
    EXPECT_NE(table.find("| 7 keys | Left Shift or Space | Q | S |"), std::string::npos) << table;
    EXPECT_NE(table.find("| 10 keys, player 2 | Enter or Right Shift | BACKSLASH | J |"), std::string::npos) << table;
}

TEST(LaneKeyTable, ReplacesOnlyTheTextBetweenTheMarkers) {
    const std::string readme = std::string("# Guide\n") + kLaneKeyTableBegin + "old table\n" + kLaneKeyTableEnd + "more\n";
    EXPECT_EQ(withLaneKeyTable(readme, kDefaults),
              std::string("# Guide\n") + kLaneKeyTableBegin + laneKeyTable(kDefaults) + kLaneKeyTableEnd + "more\n");
    EXPECT_EQ(withLaneKeyTable("# Guide\nno markers\n", kDefaults), "");
    EXPECT_EQ(withLaneKeyTable(std::string(kLaneKeyTableEnd) + kLaneKeyTableBegin, kDefaults), "");
}

TEST(LaneKeyTable, TheReadmeShowsTheShippedBindings) {
    std::ostringstream text;
    text << std::ifstream(KV_SOURCE_DIR "/README.md", std::ios::binary).rdbuf();
    const std::string readme = text.str();
    ASSERT_FALSE(readme.empty());
    EXPECT_EQ(withLaneKeyTable(readme, kDefaults), readme)
        << "README.md's lane keys differ from the default bindings; run build/tools/readme_keys README.md";
}

}  // namespace
}  // namespace kv
