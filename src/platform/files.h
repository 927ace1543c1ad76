#pragma once
// File-system helpers. Charts and config files written on Windows name
// files in any letter case and with '\' as separator; these helpers find
// the file that is really there.
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
// ASCII case. Returns the path that exists, or the path with '/'
// separators and the components as written when nothing matches.
std::string resolvePath(std::string_view path, std::string_view base = {});
bool fileExists(std::string_view path);    // resolved, regular file
bool folderExists(std::string_view path);  // resolved, folder

// DOS-style pattern match, ASCII case-insensitive: '*' any run, '?' one
// character. "*.*" matches names without a dot too.
bool wildcardMatch(std::string_view pattern, std::string_view name);

enum class EntryKind { Files, Folders };

// Names (not paths) in `folder` matching `pattern`, sorted by name; "."
// and ".." are never listed. A missing folder lists nothing.
std::vector<std::string> listFolder(std::string_view folder, std::string_view pattern, EntryKind kind);

}  // namespace kv::platform
