#pragma once
// One function per sheet of the default skin. Each returns the finished
// picture, transparent parts exact black.
#include "base/surface.h"

namespace skin {

kv::Surface drawFontSheet();
kv::Surface drawMenuSheet();
kv::Surface drawBoardSheet();
kv::Surface drawBemusicSheet(bool upway);
kv::Surface drawScanSheet();
kv::Surface drawWaveSheet();
kv::Surface drawBonusSheet();

enum class Backdrop { Title, Select, Result, CourseResult, Listen, Load, Play };
kv::Surface drawBackdrop(Backdrop kind);

kv::Surface drawLogo();  // 353 x 145

}  // namespace skin
