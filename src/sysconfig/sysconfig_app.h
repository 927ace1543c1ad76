#pragma once
// One run of sysconfig: open the window, show the settings dialog on the
// folder's "KV2.CFG" until Save or Cancel, close.
#include "gfx/display.h"
#include "sysconfig/config_dialog.h"
#include "sysconfig/dialog_painter.h"
#include "sysconfig/sysconfig_options.h"

namespace kv::sysconfig {

// Where the dialog's client area sits in the picture: in the middle, frame
// and caption included. Mouse clicks arrive in picture coordinates.
inline constexpr int kDialogLeft = (kScreenWidth - kDialogWidth) / 2;
inline constexpr int kDialogTop = (kScreenHeight - kDialogHeight + kCaptionHeight) / 2;

// 0 after Save or Cancel; 1 when the window could not be opened; 2 for a
// script that cannot be read.
int runSysconfig(const SysconfigOptions& options);

}  // namespace kv::sysconfig
