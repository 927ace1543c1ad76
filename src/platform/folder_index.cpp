#include "platform/folder_index.h"

#include <filesystem>

#include "platform/path_text.h"

namespace kv::platform {
namespace fs = std::filesystem;

const FolderIndex::Listing& FolderIndex::listing(const std::string& folder) {
    const auto known = folders_.find(folder);
    if (known != folders_.end()) return known->second;
    Listing& listing = folders_[folder];
    std::error_code error;
    // In the disk's own order, so that of names differing only in case the
    // same one is found as by a scan of the folder.
    for (fs::directory_iterator it(folderFromText(folder), error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        std::error_code typeError;
        listing.regularFile.emplace(name, it->is_regular_file(typeError));
        listing.named.emplace(foldedName(name), name);
    }
    return listing;
}

std::optional<std::string> FolderIndex::findSpelling(const Listing& entries, const std::string& name) {
    if (entries.regularFile.count(name)) return name;
    const auto found = entries.named.find(foldedName(name));
    if (found == entries.named.end()) return std::nullopt;
    return found->second;
}

std::string FolderIndex::findEntry(const std::string& folder, const std::string& name) {
    const Listing& entries = listing(folder);
    return findAnySpelling(name, [&entries](const std::string& spelling) { return findSpelling(entries, spelling); });
}

std::string FolderIndex::resolve(std::string_view path) {
    return resolveComponents(path, {}, [this](const std::string& folder, const std::string& name) {
        return findEntry(folder, name);
    });
}

bool FolderIndex::isFile(std::string_view path) {
    const fs::path resolved = pathFromText(resolve(path));
    const Listing& entries = listing(resolved.parent_path().string());
    const auto found = entries.regularFile.find(resolved.filename().string());
    return found != entries.regularFile.end() && found->second;
}

}  // namespace kv::platform
