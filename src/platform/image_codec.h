#pragma once
// Native decoding of the picture formats modern charts use (PNG, JPEG, ...)
// and PNG writing for screenshots and previews.
#include <cstdint>
#include <span>
#include <string>

#include "base/surface.h"

namespace kv::platform {

// Partly transparent pixels are laid over black, so fully transparent ones
// become the colour key.
bool decodeImageFile(const std::string& path, Surface& out);
// The same for a file already in memory; the format is told by its content.
bool decodeImageBytes(std::span<const std::uint8_t> bytes, Surface& out);

bool savePng(const std::string& path, const Surface& picture);

}  // namespace kv::platform
