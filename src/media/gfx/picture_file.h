#pragma once
// Decoding a picture file of any format we read: plug-ins first, then BMP,
// then the formats the platform decodes natively (PNG, JPEG, ...).
#include <string>

#include "base/surface.h"
#include "platform/files.h"

namespace kv {

enum class DecodeResult { Missing, Decoded, Unusable };

// `name` as a chart or skin writes it: any letter case, '\' separators,
// relative to the current folder. Charts often name "x.bmp" when the folder
// holds "x.png" or "x.jpg", so a missing file is looked for under the other
// picture extensions. Unusable: a plug-in took the file but its picture
// could not be read.
DecodeResult decodePictureFile(const std::string& name, Surface& out,
                               platform::FileNames& names = platform::diskFileNames());

// The file decodePictureFile reads for `name`, or empty when there is none.
std::string findPictureFile(const std::string& name, platform::FileNames& names = platform::diskFileNames());

// Reads a ".pic" sheet; false when missing or damaged.
bool decodePicFile(const std::string& name, Surface& out);

}  // namespace kv
