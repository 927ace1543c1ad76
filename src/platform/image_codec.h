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
enum class ImageFormat { Png, Gif, Jpeg };

// The same for a file already in memory, with that format's decoder only: a
// file checked as one format is never decoded as another.
bool decodeImageBytes(std::span<const std::uint8_t> bytes, ImageFormat format, Surface& out);

bool savePng(const std::string& path, const Surface& picture);

}  // namespace kv::platform
