#pragma once
// What the system settings dialog shows of the settings record, and how
// its controls turn back into settings when the user saves.
#include <cstdint>

#include "settings/settings.h"
#include "sysconfig/config_dialog.h"

namespace kv::sysconfig {

struct CheckBoxSetting {
    int id;
    const char* key;
    std::int8_t Settings::*field;
};

inline constexpr CheckBoxSetting kCheckBoxSettings[] = {
    {kWindowModeBox, "WINDOW", &Settings::WINDOW},       {kTripleBuffersBox, "3BUFFERS", &Settings::THREEBUFFERS},
    {kSystemMemoryBox, "SYSMEMORY", &Settings::SYSMEMORY}, {kFlipBox, "FLIP", &Settings::FLIP},
    {kWaitBox, "WAIT", &Settings::WAIT},                   {kWavLoadBox, "WAVLOAD", &Settings::WAVLOAD},
    {kJoypadBox, "USEJOYPAD", &Settings::USEJOYPAD},
};

// Sets every control from `settings`. A sound quality outside the three
// choices checks no radio button.
void showSettings(const Settings& settings, Dialog& dialog);

// Copies the controls into `settings`, which must still hold what the
// dialog was shown: a sound quality with no radio checked and a ranking
// name left as it was keep their values. A changed name keeps its first
// three characters; a number box that holds no number gives 0.
void takeSettings(const Dialog& dialog, Settings& settings);

}  // namespace kv::sysconfig
