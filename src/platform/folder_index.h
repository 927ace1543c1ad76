#pragma once
// File names looked up in folders listed once. A chart names hundreds of
// samples and pictures in its folder, in any letter case and often with
// the wrong extension; asking the disk for each name (and scanning the
// folder for each case-insensitive miss) costs a folder listing per try.
// The index lists a folder the first time a name in it is looked up and
// answers every later look-up from the listing, as resolvePath and
// fileExists would while the folders stay as they are. One per load; not
// for use by several threads at once.
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/files.h"

namespace kv::platform {

class FolderIndex : public FileNames {
public:
    std::string resolve(std::string_view path) override;
    bool isFile(std::string_view path) override;

private:
    struct Listing {
        std::unordered_map<std::string, bool> regularFile;   // by exact name
        std::unordered_map<std::string, std::string> named;  // folded name -> first such entry
    };

    const Listing& listing(const std::string& folder);
    static std::optional<std::string> findSpelling(const Listing& entries, const std::string& name);
    std::string findEntry(const std::string& folder, const std::string& name);

    std::unordered_map<std::string, Listing> folders_;
};

}  // namespace kv::platform
