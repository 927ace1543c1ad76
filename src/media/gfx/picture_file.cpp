#include "media/gfx/picture_file.h"

#include <filesystem>
#include <vector>

#include "media/gfx/bmp_file.h"
#include "media/gfx/pic_file.h"
#include "media/gfx/picture_limits.h"
#include "media/gfx/plugins.h"
#include "platform/file_bytes.h"
#include "platform/files.h"
#include "platform/image_codec.h"
#include "platform/path_text.h"

namespace kv {
namespace {

constexpr const char* kPictureExtensions[] = {".bmp", ".png", ".jpg", ".jpeg", ".gif"};

// Only formats whose size we can check before decoding are decoded; what
// the decoder gives is checked too, should it ever differ from the header.
bool decodeNativeFormat(Bytes bytes, Surface& out) {
    long long width = 0, height = 0;
    if (!declaredPictureSize(bytes, width, height) || !pictureSizeAllowed(width, height) ||
        !platform::decodeImageBytes(bytes, out))
        return false;
    if (pictureSizeAllowed(out.width, out.height)) return true;
    out = Surface();
    return false;
}

}  // namespace

std::string findPictureFile(const std::string& name, platform::FileNames& names) {
    if (names.isFile(name)) return names.resolve(name);
    std::filesystem::path alternative = platform::pathFromText(names.resolve(name));
    for (const char* extension : kPictureExtensions) {
        alternative.replace_extension(extension);
        if (names.isFile(alternative.string())) return names.resolve(alternative.string());
    }
    return {};
}

DecodeResult decodePictureFile(const std::string& name, Surface& out, platform::FileNames& names) {
    const std::string path = findPictureFile(name, names);
    if (path.empty()) return DecodeResult::Missing;
    switch (decodeWithPlugins(path, out)) {
        case PluginResult::Decoded: return DecodeResult::Decoded;
        case PluginResult::Unusable: return DecodeResult::Unusable;
        case PluginResult::None: break;
    }
    std::vector<std::uint8_t> bytes;
    if (!platform::readFileBytes(path, bytes)) return DecodeResult::Missing;
    if (readBmp(bytes, out) || decodeNativeFormat(bytes, out)) return DecodeResult::Decoded;
    return DecodeResult::Missing;
}

bool decodePicFile(const std::string& name, Surface& out) {
    std::vector<std::uint8_t> bytes;
    return platform::fileExists(name) && platform::readFileBytes(platform::resolvePath(name), bytes) &&
           readPic(bytes, out);
}

}  // namespace kv
