#include "media/gfx/plugins.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "media/gfx/dib.h"
#include "platform/path_text.h"
#include "platform/plugin_library.h"

namespace kv {
namespace {

std::vector<GetPictureFunction>& pluginTable() {
    static std::vector<GetPictureFunction> table;
    return table;
}

bool hasPluginExtension(const std::filesystem::path& file) {
    std::string ext = file.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext == ".spi" || ext == ".so";
}

}  // namespace

int loadPlugins(const std::string& folder) {
    std::vector<std::filesystem::path> candidates;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(platform::pathFromText(folder), error))
        if (entry.is_regular_file(error) && hasPluginExtension(entry.path())) candidates.push_back(entry.path());
    std::sort(candidates.begin(), candidates.end());
    auto& table = pluginTable();
    for (const auto& file : candidates) {
        if (int(table.size()) >= kMaxPlugins) break;
        void* library = platform::openSharedLibrary(std::filesystem::absolute(file).string());
        if (!library) continue;
        if (void* entry = platform::findSharedSymbol(library, "GetPicture"))
            table.push_back(reinterpret_cast<GetPictureFunction>(entry));
    }
    return int(table.size());
}

int pluginCount() { return int(pluginTable().size()); }

PluginResult decodeWithPlugins(const std::string& path, Surface& out) {
    for (GetPictureFunction getPicture : pluginTable()) {
        void* info = nullptr;
        void* bits = nullptr;
        if (getPicture(path.c_str(), 0, 0, &info, &bits, nullptr, 0) != 0) continue;
        DibLayout layout;
        const bool decoded = info && bits &&
                             dibLayout(static_cast<const std::uint8_t*>(info), layout) &&
                             decodeDib(Bytes(static_cast<const std::uint8_t*>(info), layout.infoSize),
                                       Bytes(static_cast<const std::uint8_t*>(bits), layout.bitsSize), out);
        std::free(info);
        std::free(bits);
        return decoded ? PluginResult::Decoded : PluginResult::Unusable;
    }
    return PluginResult::None;
}

}  // namespace kv
