#include "media/gfx/picture_file.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "media/gfx/bmp_file.h"
#include "media/gfx/pic_file.h"
#include "media/gfx/plugins.h"
#include "platform/files.h"
#include "platform/image_codec.h"

namespace kv {
namespace {

constexpr const char* kPictureExtensions[] = {".bmp", ".png", ".jpg", ".jpeg", ".gif"};

bool readFileBytes(const std::string& path, std::vector<std::uint8_t>& bytes) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return true;
}

// The existing file for a chart's picture name, or empty.
std::string findPictureFile(const std::string& name) {
    if (platform::fileExists(name)) return platform::resolvePath(name);
    std::filesystem::path alternative = platform::resolvePath(name);
    for (const char* extension : kPictureExtensions) {
        alternative.replace_extension(extension);
        if (platform::fileExists(alternative.string())) return platform::resolvePath(alternative.string());
    }
    return {};
}

}  // namespace

DecodeResult decodePictureFile(const std::string& name, Surface& out) {
    const std::string path = findPictureFile(name);
    if (path.empty()) return DecodeResult::Missing;
    switch (decodeWithPlugins(path, out)) {
        case PluginResult::Decoded: return DecodeResult::Decoded;
        case PluginResult::Unusable: return DecodeResult::Unusable;
        case PluginResult::None: break;
    }
    std::vector<std::uint8_t> bytes;
    if (!readFileBytes(path, bytes)) return DecodeResult::Missing;
    if (readBmp(bytes, out) || platform::decodeImageFile(path, out)) return DecodeResult::Decoded;
    return DecodeResult::Missing;
}

bool decodePicFile(const std::string& name, Surface& out) {
    std::vector<std::uint8_t> bytes;
    return platform::fileExists(name) && readFileBytes(platform::resolvePath(name), bytes) && readPic(bytes, out);
}

}  // namespace kv
