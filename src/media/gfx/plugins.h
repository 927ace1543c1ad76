#pragma once
// Picture plug-ins: shared objects ("*.spi" or "*.so") in the program folder
// that export GetPicture. They read formats the game does not know itself.
#include <string>

#include "base/surface.h"

namespace kv {

// The plug-in export. name is a file name (flag 0, length 0); on success (0)
// *info and *bits point to a BITMAPINFO and its pixel bytes, allocated with
// malloc by the plug-in and freed by the caller. progress is always null.
using GetPictureFunction = int (*)(const char* name, long length, unsigned flag, void** info, void** bits,
                                   void* progress, long userData);

constexpr int kMaxPlugins = 50;

// Registers the plug-ins of a folder (in name order), at most kMaxPlugins;
// files that are not modules or lack the export are skipped. Returns the count.
int loadPlugins(const std::string& folder);
int pluginCount();

enum class PluginResult { None, Decoded, Unusable };

// Offers the file to each plug-in in order; the first that accepts it wins.
// Unusable: a plug-in accepted the file but gave a picture we cannot read.
PluginResult decodeWithPlugins(const std::string& path, Surface& out);

}  // namespace kv
