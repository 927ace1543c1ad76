#pragma once
// A scene run headless in a scratch program folder holding the default skin
// of the built program folder. The scratch folder is made current (a skin
// names its sheets relative to it) and becomes the shell's program folder;
// display slots 0-3 and the keys are ready. The previous current folder
// comes back when the scene goes away.
#include <filesystem>
#include <string_view>

#include "support/headless_session.h"
#include "support/temp_folder.h"

namespace kv::test {

class SkinnedScene {
public:
    SkinnedScene(const std::filesystem::path& builtHome, std::string_view label);
    ~SkinnedScene();
    SkinnedScene(const SkinnedScene&) = delete;
    SkinnedScene& operator=(const SkinnedScene&) = delete;

    TempFolder folder;
    HeadlessSession session;

private:
    std::filesystem::path previous_;
};

}  // namespace kv::test
