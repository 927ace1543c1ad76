#include <gtest/gtest.h>

#include <memory>

#include "chart/chart_fixture.h"
#include "screens/select/library.h"
#include "support/case_name.h"

namespace kv::testing {
namespace {

struct ListedChart {
    const char* title;
    const char* artist;
    const char* genre;
    int level;
    float bpm;
    int keyType;
};

// Six charts in table order 0-5.
const ListedChart kCharts[] = {
    {"beta", "Zed", "pop", 10, 150, 0},  {"Alpha", "amy", "Rock", 1, -90, 1}, {"ALPHA", "Bob", "jazz", 5, 120.9f, 2},
    {"gamma", "amy", "pop", 1, 200, 3},  {"delta", "cat", "ambient", 12, 60, 0}, {"Ωmega", "dan", "Pop", 3, 120.2f, 1},
};

class VisibleList : public ::testing::Test {
protected:
    std::unique_ptr<SongLibrary> library = std::make_unique<SongLibrary>();

    VisibleList() {
        for (const ListedChart& c : kCharts) {
            ChartEntry& entry = library->charts[std::size_t(library->chartCount++)];
            entry.title = c.title;
            entry.artist = c.artist;
            entry.genre = c.genre;
            entry.playLevel = std::int8_t(c.level);
            entry.bpm = c.bpm;
            entry.keyType = std::int8_t(c.keyType);
        }
    }

    std::vector<int> build(const ListOptions& options, std::function<int()> random = [] { return 1; }) {
        EXPECT_EQ(buildVisibleList(*library, options, random), 1);
        return {library->visible.begin(), library->visible.begin() + library->visibleCount};
    }
    const std::string& pseudoTitle() const {
        return library->charts[std::size_t(library->visible[std::size_t(library->visibleCount)])].title;
    }
};

struct FilterCase {
    int filter;
    int filter2;
    std::vector<int> shown;
};

class Filters : public VisibleList, public ::testing::WithParamInterface<FilterCase> {};

TEST_P(Filters, HideKeyTypes) {
    EXPECT_EQ(build({GetParam().filter, GetParam().filter2, 0}), GetParam().shown);
}

// Case names for test lists and reports.
std::string filterCaseName(const ::testing::TestParamInfo<FilterCase>& info) {
    return test::caseName({{"Filter", info.param.filter}, {"Filter2", info.param.filter2}});
}

INSTANTIATE_TEST_SUITE_P(Library, Filters,
                         ::testing::Values(FilterCase{0, 0, {0, 1, 2, 3, 4, 5}}, FilterCase{1, 0, {0, 2, 3, 4}},
                                           FilterCase{2, 0, {1, 2, 3, 5}}, FilterCase{3, 0, {2, 3}},
                                           FilterCase{0, 1, {0, 1, 2, 4, 5}}, FilterCase{0, 2, {0, 1, 3, 4, 5}},
                                           FilterCase{3, 3, {}}),
                         filterCaseName);

TEST_F(VisibleList, PseudoEntryFollowsTheList) {
    build({});
    EXPECT_EQ(library->visible[6], 6);
    EXPECT_EQ(pseudoTitle(), "RANDOM SELECT");
    EXPECT_EQ(library->charts[6].playLevel, 0);
    EXPECT_EQ(library->charts[6].bpm, 0.0f);
    EXPECT_TRUE(library->charts[6].fileName.empty());
    build({3, 3, 0});
    EXPECT_EQ(pseudoTitle(), "NO MUSIC");
}

struct SortCase {
    const char* name;
    int sort;
    std::vector<int> order;
};

class Sorts : public VisibleList, public ::testing::WithParamInterface<SortCase> {};

TEST_P(Sorts, OrderTheVisibleCharts) { EXPECT_EQ(build({0, 0, GetParam().sort}), GetParam().order); }

INSTANTIATE_TEST_SUITE_P(
    Library, Sorts,
    ::testing::Values(SortCase{"FileOrder", 0, {0, 1, 2, 3, 4, 5}},
                      // Alpha and ALPHA are equal; the exchange sort leaves them as it does.
                      SortCase{"Name", 1, {1, 2, 0, 4, 3, 5}},
                      SortCase{"LevelIsNumeric", 2, {1, 3, 5, 2, 0, 4}},
                      SortCase{"Artist", 3, {1, 3, 2, 4, 5, 0}},
                      // Tempo by the whole beats of the starting tempo; 120.9 and 120.2 tie.
                      SortCase{"TempoBySize", 4, {4, 1, 2, 5, 0, 3}},
                      SortCase{"Genre", 5, {4, 2, 3, 0, 5, 1}},
                      SortCase{"UnknownCodeKeepsFileOrder", 9, {0, 1, 2, 3, 4, 5}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(VisibleList, RandomOrderSwapsOnEvenDraws) {
    // Odd draws never swap; all even draws swap every pair in turn.
    EXPECT_EQ(build({0, 0, 6}, [] { return 1; }), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    int draws = 0;
    const auto order = build({0, 0, 6}, [&draws] { return ++draws % 2 == 0 ? 0 : 1; });
    EXPECT_EQ(draws, 36);
    std::vector<int> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_NE(order, sorted);
}

}  // namespace
}  // namespace kv::testing
