#pragma once
// File-system helpers. Charts and config files written on Windows name
// files in any letter case and with '\' as separator; these helpers find
// the file that is really there.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kv::platform {

// The folder that holds the running executable, with a trailing '/'.
std::string executableFolder();

std::string currentDirectory();  // with a trailing '/'
// Returns false when the folder does not exist.
bool changeDirectory(std::string_view folder);
// Creates one folder (its parent must exist). False when it fails or a
// file of that name exists; true when it exists already as a folder.
bool makeDirectory(std::string_view folder);

// A path as written in a chart or config file ('\' or '/' separators, any
// case) resolved against `base` (relative to the current directory when
// empty): each component is matched exactly first, then without regard to
// ASCII case; a name that is not UTF-8 and matches neither way is then
// tried as its code page spellings (see codePageSpellings). Returns the path
// that exists, or the path with '/' separators and the components as
// written when nothing matches.
std::string resolvePath(std::string_view path, std::string_view base = {});
bool fileExists(std::string_view path);    // resolved, regular file
bool folderExists(std::string_view path);  // resolved, folder

// Name look-ups as resolvePath and fileExists make them (relative to the
// current directory), for code that may look up many names at once: the
// disk's own answers each time, or a FolderIndex that lists each folder once.
class FileNames {
public:
    virtual ~FileNames() = default;
    virtual std::string resolve(std::string_view path) = 0;
    virtual bool isFile(std::string_view path) = 0;  // resolved, regular file
};

// resolvePath and fileExists themselves.
FileNames& diskFileNames();

// The walk of resolvePath over the components of `path`, with `findEntry`
// giving the real name of one component (never "." or "..") in a folder
// ("" for the current directory).
using EntryFinder = std::function<std::string(const std::string& folder, const std::string& name)>;
std::string resolveComponents(std::string_view path, std::string_view base, const EntryFinder& findEntry);

// A chart names its files in its author's code page, but a folder may store
// them as Unicode (always on Windows; on other systems when unpacked with
// UTF-8 names). The UTF-8 names a name that is not UTF-8 may stand for:
// its strict CP932 decoding, then its CP949 one. None for a UTF-8 name.
std::vector<std::string> codePageSpellings(std::string_view name);

// The first entry `findSpelling` finds for `name`, then for each of its code
// page spellings in turn; `name` itself when none is found.
using SpellingFinder = std::function<std::optional<std::string>(const std::string& name)>;
std::string findAnySpelling(const std::string& name, const SpellingFinder& findSpelling);

// `name` with ASCII letters in upper case: names that are equal ignoring
// case fold to the same text.
std::string foldedName(std::string_view name);

// DOS-style pattern match, ASCII case-insensitive: '*' any run, '?' one
// character. "*.*" matches names without a dot too.
bool wildcardMatch(std::string_view pattern, std::string_view name);

enum class EntryKind { Files, Folders };

// Names (not paths) in `folder` matching `pattern`, sorted by name; "."
// and ".." are never listed. A missing folder lists nothing.
std::vector<std::string> listFolder(std::string_view folder, std::string_view pattern, EntryKind kind);

}  // namespace kv::platform
