#include "screens/select/select_screen_option_labels.h"

#include <gtest/gtest.h>

#include "screens/select/option_panel.h"

namespace kv {
namespace {

TEST(OptionLineLabel, ShowsTheCodesTextAndNothingOutOfRange) {
    struct Case { int page, line, code; const char* expected; };
    for (const Case c : {Case{0, 0, 2, "sPEED  normal"}, Case{0, 0, 19, "sPEED  FREE"}, Case{0, 1, 11, "oBJECT SYMMETRY"},
                         Case{2, 0, 2, "gAUGE  HIGHSC."}, Case{2, 6, 2, "rANK   KVFOLDER"}, Case{3, 5, 1, "jCOUNT ON"},
                         Case{4, 0, 0, "  "}, Case{4, 5, 1, "INVERSE"}, Case{0, 0, 20, ""}, Case{0, 0, -1, ""},
                         Case{5, 0, 0, ""}, Case{0, 6, 0, ""}}) {
        EXPECT_EQ(optionLineLabel(c.page, c.line, c.code), c.expected) << c.page << "/" << c.line << "/" << c.code;
    }
}

TEST(OptionLineLabel, EveryShownLineHasALabelForEachCode) {
    for (int page = 0; page < kOptionPages; ++page) {
        const OptionPage& table = kOptionPageTable[std::size_t(page)];
        for (int line = 0; line < table.lineCount; ++line)
            for (int code = 0; code < table.lines[std::size_t(line)].codeCount; ++code)
                EXPECT_FALSE(optionLineLabel(page, line, code).empty()) << page << "/" << line << "/" << code;
    }
}

}  // namespace
}  // namespace kv
