#pragma once
// One run of sysconfig: open a window the size of the settings dialog, with
// its caption as the title, show the dialog on the folder's "KV2.CFG" until
// Save or Cancel, close.
#include "sysconfig/sysconfig_options.h"

namespace kv::sysconfig {

// 0 after Save or Cancel; 1 when the window could not be opened; 2 for a
// script that cannot be read.
int runSysconfig(const SysconfigOptions& options);

}  // namespace kv::sysconfig
