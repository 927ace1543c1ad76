#pragma once
// The dialog's font: the game's system-font text in a plain sans serif,
// sized like the classic 10 point dialog font (a 16 pixel cell).
#include "sysconfig/dialog_painter.h"

namespace kv::sysconfig {

DialogFont systemDialogFont();

}  // namespace kv::sysconfig
