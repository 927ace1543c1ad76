#pragma once
// The "ETERNAL PLAY OPTION" screen shown before an eternal run: the list
// filters and sort order the run plays through, and whether it stays in
// the chosen folder (JUKE).
#include <cstdint>

#include "settings/settings.h"

namespace kv {

enum EternalOptionLine { OptionStart, OptionFilter, OptionFilter2, OptionSort, OptionJuke, OptionExit, kOptionLines };
enum class EternalOptionsEnd { Running, Start, Exit };

struct EternalOptionsMenu {
    int cursor = OptionStart;
    bool latch = true;  // a key still held from the select screen does nothing
};

struct EternalOptionsStep {
    EternalOptionsEnd end = EternalOptionsEnd::Running;
    bool keyTaken = false;  // the cursor sound plays
};

// One logic step with the keyboard state `keys`: moves the cursor, steps
// the value under it (FILTER and FILTER2 0-3, SORT 0-6, JUKE 0-1, both ways
// with wrap), or ends the screen.
EternalOptionsStep stepEternalOptions(EternalOptionsMenu& menu, const std::uint8_t* keys, Settings& options, int& juke);

// The value text of a line ("5K  7K", "NAME", "ALL", ...), empty for the
// lines without one.
const char* eternalOptionValue(int line, const Settings& options, int juke);

// The screen; 1 = start the run, 2 = back (EXIT or Escape), 0 = quit.
int runEternalOptions();

}  // namespace kv
