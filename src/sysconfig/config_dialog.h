#pragma once
// The system settings dialog: its caption, size and controls.
#include "sysconfig/dialog.h"

namespace kv::sysconfig {

inline constexpr char kCaption[] = "Kelvarin][ System config";

// Controls are placed in dialog units; one unit is two pixels both ways.
inline constexpr int kPixelsPerUnit = 2;
inline constexpr int kDialogWidth = 243 * kPixelsPerUnit;
inline constexpr int kDialogHeight = 187 * kPixelsPerUnit;

enum ConfigControl : int {
    kWindowModeBox = 1000,
    kTripleBuffersBox = 1001,
    kSystemMemoryBox = 1002,
    kFlipBox = 1003,
    kWaitBox = 1004,
    kWavLoadBox = 1005,
    kJoypadBox = 1006,
    kNormalQualityRadio = 1010,
    kHighQualityRadio = 1011,
    kDefaultQualityRadio = 1012,
    kNameEdit = 1020,
    kFreeSpeedEdit = 1021,
    kBpmEditEdit = 1022,
    kSaveButton = 2001,
    kCancelButton = 2002,
};

// The dialog with every control in Tab order, nothing checked, edits empty.
Dialog makeConfigDialog(MeasureText measure);

}  // namespace kv::sysconfig
