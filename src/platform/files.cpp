#include "platform/files.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "platform/code_pages.h"
#include "platform/font_encoding.h"
#include "platform/path_text.h"
#include "platform/stored_name.h"

namespace kv::platform {
namespace fs = std::filesystem;
namespace {

char upper(char c) { return char(std::toupper(static_cast<unsigned char>(c))); }

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return upper(x) == upper(y); });
}

std::string withSlash(std::string path) {
    if (path.empty() || path.back() != '/') path += '/';
    return path;
}

// The entry of `folder` named `name`, exactly or else ignoring case.
std::optional<std::string> findSpelling(const std::string& folder, const std::string& name) {
    std::error_code error;
    if (fs::exists(pathFromText(folder) / pathFromText(name), error)) return storedName(pathFromText(folder), name);
    for (fs::directory_iterator it(folderFromText(folder), error), end; !error && it != end; it.increment(error)) {
        const std::string candidate = it->path().filename().string();
        if (sameIgnoringCase(candidate, name)) return candidate;
    }
    return std::nullopt;
}

// The entry of `folder` that `name` stands for, or `name`.
std::string findEntry(const std::string& folder, const std::string& name) {
    if (name == "." || name == "..") return name;
    return findAnySpelling(name, [&folder](const std::string& spelling) { return findSpelling(folder, spelling); });
}

class DiskFileNames : public FileNames {
public:
    std::string resolve(std::string_view path) override { return resolvePath(path); }
    bool isFile(std::string_view path) override { return fileExists(path); }
};

}  // namespace

std::string currentDirectory() {
    std::error_code error;
    return withSlash(fs::current_path(error).generic_string());
}

bool changeDirectory(std::string_view folder) {
    std::error_code error;
    fs::current_path(pathFromText(resolvePath(folder)), error);
    return !error;
}

bool makeDirectory(std::string_view folder) {
    std::error_code error;
    const fs::path path = pathFromText(resolvePath(folder));
    fs::create_directory(path, error);
    return !error && fs::is_directory(path, error);
}

std::string resolveComponents(std::string_view path, std::string_view base, const EntryFinder& findEntry) {
    std::string written(path);
    std::replace(written.begin(), written.end(), '\\', '/');
    // An absolute path starts at its root ("/" or "C:/"), any other at `base`.
    // The result grows as text, not as a path: a component that matches
    // nothing keeps its bytes, which on Windows a path would not when they
    // are in a chart's code page.
    const fs::path asWritten = pathFromText(written);
    const bool absolute = asWritten.has_root_directory();
    std::string result = (absolute ? asWritten.root_path() : pathFromText(base)).generic_string();
    std::size_t start = absolute ? result.size() : 0;
    while (start <= written.size()) {
        std::size_t end = written.find('/', start);
        if (end == std::string::npos) end = written.size();
        const std::string part = written.substr(start, end - start);
        if (!part.empty()) {
            const std::string entry = part == "." || part == ".." ? part : findEntry(result, part);
            if (!result.empty() && result.back() != '/') result += '/';
            result += entry;
        }
        start = end + 1;
    }
    return result;
}

std::string resolvePath(std::string_view path, std::string_view base) { return resolveComponents(path, base, findEntry); }

FileNames& diskFileNames() {
    static DiskFileNames names;
    return names;
}

bool fileExists(std::string_view path) {
    std::error_code error;
    return fs::is_regular_file(pathFromText(resolvePath(path)), error);
}

bool folderExists(std::string_view path) {
    std::error_code error;
    return fs::is_directory(pathFromText(resolvePath(path)), error);
}

std::vector<std::string> codePageSpellings(std::string_view name) {
    std::vector<std::string> spellings;
    if (isValidUtf8(name)) return spellings;
    for (const TextEncoding page : {TextEncoding::Cp932, TextEncoding::Cp949})
        if (std::optional<std::string> decoded = decodeCodePage(name, page, true)) spellings.push_back(*decoded);
    return spellings;
}

std::string findAnySpelling(const std::string& name, const SpellingFinder& findSpelling) {
    if (std::optional<std::string> found = findSpelling(name)) return *found;
    for (const std::string& decoded : codePageSpellings(name))
        if (std::optional<std::string> found = findSpelling(decoded)) return *found;
    return name;
}

std::string foldedName(std::string_view name) {
    std::string folded(name);
    std::transform(folded.begin(), folded.end(), folded.begin(), upper);
    return folded;
}

bool wildcardMatch(std::string_view pattern, std::string_view name) {
    // "*.*" is the DOS way of saying "everything", dot or not.
    if (pattern == "*.*") return true;
    std::size_t p = 0, n = 0, starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || upper(pattern[p]) == upper(name[n]))) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

std::vector<std::string> listFolder(std::string_view folder, std::string_view pattern, EntryKind kind) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folderFromText(resolvePath(folder)), error), end; !error && it != end;
         it.increment(error)) {
        std::error_code typeError;
        const bool isFolder = it->is_directory(typeError);
        const bool wanted = kind == EntryKind::Folders ? isFolder : (!isFolder && it->is_regular_file(typeError));
        const std::string name = it->path().filename().string();
        if (wanted && wildcardMatch(pattern, name)) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace kv::platform
