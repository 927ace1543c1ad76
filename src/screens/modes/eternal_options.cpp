#include "screens/modes/eternal_options.h"

#include <algorithm>

#include "base/dik.h"

namespace kv {

namespace {

constexpr const char* kFilterValues[] = {"5K  7K", "5K", "    7K", "    "};
constexpr const char* kFilter2Values[] = {"10K 14K", "10K", "    14K", "    "};
constexpr const char* kSortValues[] = {"NONE", "NAME", "LEVEL", "ARTIST", "TEMPO", "GENRE", "RANDOM"};
constexpr const char* kJukeValues[] = {"CURRENT", "ALL"};

template <std::size_t N>
const char* valueText(const char* const (&values)[N], int code) {
    return values[std::clamp(code, 0, int(N) - 1)];
}

int wrapped(int value, int step, int count) { return ((value + step) % count + count) % count; }

// Steps the value of a line by +1 or -1, wrapping over its choices.
void stepValue(int line, int step, Settings& options, int& juke) {
    switch (line) {
        case OptionFilter: options.FILTER = std::int8_t(wrapped(options.FILTER, step, 4)); break;
        case OptionFilter2: options.FILTER2 = std::int8_t(wrapped(options.FILTER2, step, 4)); break;
        case OptionSort: options.SORT = std::int8_t(wrapped(options.SORT, step, 7)); break;
        case OptionJuke: juke = wrapped(juke, step, 2); break;
        default: break;
    }
}

bool down(const std::uint8_t* keys, int key) { return (keys[key] & 0x80) != 0; }

}  // namespace

EternalOptionsStep stepEternalOptions(EternalOptionsMenu& menu, const std::uint8_t* keys, Settings& options, int& juke) {
    const bool up = down(keys, DIK_UP), lower = down(keys, DIK_DOWN), left = down(keys, DIK_LEFT);
    const bool forward = down(keys, DIK_RETURN) || down(keys, DIK_SPACE) || down(keys, DIK_RIGHT);
    const bool escape = down(keys, DIK_ESCAPE);
    if (!(up || lower || left || forward || escape)) {
        menu.latch = false;
        return {};
    }
    if (menu.latch) return {};
    menu.latch = true;
    EternalOptionsStep step{EternalOptionsEnd::Running, true};
    if (escape) step.end = EternalOptionsEnd::Exit;
    else if (up) menu.cursor = wrapped(menu.cursor, -1, kOptionLines);
    else if (lower) menu.cursor = wrapped(menu.cursor, 1, kOptionLines);
    else if (left) stepValue(menu.cursor, -1, options, juke);
    else if (menu.cursor == OptionStart) step.end = EternalOptionsEnd::Start;
    else if (menu.cursor == OptionExit) step.end = EternalOptionsEnd::Exit;
    else stepValue(menu.cursor, 1, options, juke);
    return step;
}

const char* eternalOptionValue(int line, const Settings& options, int juke) {
    switch (line) {
        case OptionFilter: return valueText(kFilterValues, options.FILTER);
        case OptionFilter2: return valueText(kFilter2Values, options.FILTER2);
        case OptionSort: return valueText(kSortValues, options.SORT);
        case OptionJuke: return valueText(kJukeValues, juke);
        default: return "";
    }
}

}  // namespace kv
