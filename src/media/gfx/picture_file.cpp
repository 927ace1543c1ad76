#include "media/gfx/picture_file.h"

#include <vector>

#include "media/gfx/bmp_file.h"
#include "media/gfx/pic_file.h"
#include "media/gfx/picture_limits.h"
#include "media/gfx/plugins.h"
#include "platform/file_bytes.h"
#include "platform/files.h"
#include "platform/image_codec.h"

namespace kv {
namespace {

constexpr const char* kPictureExtensions[] = {".bmp", ".png", ".jpg", ".jpeg", ".gif"};

// `path` with the extension of its file name replaced, as
// std::filesystem::path::replace_extension does, but on the text: a name in
// a chart's code page does not survive the trip through a path on Windows.
std::string withExtension(const std::string& path, const char* extension) {
    const std::size_t nameStart = path.rfind('/') + 1;  // 0 without a folder
    const std::size_t dot = path.rfind('.');
    const bool hasExtension =
        dot != std::string::npos && dot > nameStart && path.compare(nameStart, std::string::npos, "..") != 0;
    return (hasExtension ? path.substr(0, dot) : path) + extension;
}

// Only formats whose size we can check before decoding are decoded; what
// the decoder gives is checked too, should it ever differ from the header.
bool decodeNativeFormat(Bytes bytes, Surface& out) {
    const std::optional<DeclaredPicture> declared = declaredPicture(bytes);
    if (!declared || !pictureSizeAllowed(declared->width, declared->height) ||
        !platform::decodeImageBytes(bytes, declared->format, out))
        return false;
    if (pictureSizeAllowed(out.width, out.height)) return true;
    out = Surface();
    return false;
}

}  // namespace

std::string findPictureFile(const std::string& name, platform::FileNames& names) {
    if (names.isFile(name)) return names.resolve(name);
    const std::string resolved = names.resolve(name);
    for (const char* extension : kPictureExtensions) {
        const std::string alternative = withExtension(resolved, extension);
        if (names.isFile(alternative)) return names.resolve(alternative);
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
