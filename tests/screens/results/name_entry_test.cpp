#include <gtest/gtest.h>

#include "screens/results/name_entry.h"

namespace kv {
namespace {

std::string typed(const NameEntry& entry) { return {entry.name.begin(), entry.name.end()}; }

TEST(DefaultRankingName, LeadingDigitsAndCapitalsUpToFour) {
    struct Case { const char* setting; const char* name; };
    const Case cases[] = {{"****", ""}, {"AB1 ", "AB1"}, {"KELVIN", "KELV"}, {"A*B", "A"}, {"ab", ""}, {"", ""}};
    for (const auto& c : cases) EXPECT_EQ(defaultRankingName(c.setting), c.name) << c.setting;
}

TEST(NameEntry, TypingAB1AndEnterStoresAB1Blank) {
    NameEntry entry = startNameEntry("****");
    applyNameKey(entry, NameKey::Character, 'A');
    applyNameKey(entry, NameKey::Character, 'B');
    applyNameKey(entry, NameKey::Character, '1');
    EXPECT_TRUE(applyNameKey(entry, NameKey::Confirm));
    EXPECT_EQ(typed(entry), "AB1 ");
}

TEST(NameEntry, EditingKeys) {
    NameEntry entry = startNameEntry("XY");
    EXPECT_EQ(entry.cursor, 2);
    applyNameKey(entry, NameKey::Erase);
    applyNameKey(entry, NameKey::Advance);
    applyNameKey(entry, NameKey::Character, 'Z');
    EXPECT_EQ(typed(entry), "X Z ");
    applyNameKey(entry, NameKey::Character, 'Q');
    applyNameKey(entry, NameKey::Character, 'R');  // no fifth place
    applyNameKey(entry, NameKey::Advance);
    EXPECT_EQ(typed(entry), "X ZQ");
    EXPECT_EQ(entry.cursor, 4);

    NameEntry blank = startNameEntry("****");
    EXPECT_FALSE(applyNameKey(blank, NameKey::Confirm)) << "an empty name is not accepted";
    applyNameKey(blank, NameKey::Erase);
    EXPECT_EQ(blank.cursor, 0);
    applyNameKey(blank, NameKey::Character, 'a');
    EXPECT_EQ(blank.cursor, 0) << "only digits and capitals";
}

TEST(RememberRankingName, KeepsAnUnsetNameUnset) {
    NameEntry entry = startNameEntry("AB1");
    std::string unset = "****";
    rememberRankingName(unset, entry);
    EXPECT_EQ(unset, "****");
    std::string set = "OLD ";
    rememberRankingName(set, entry);
    EXPECT_EQ(set, "AB1 ");
}

}  // namespace
}  // namespace kv
