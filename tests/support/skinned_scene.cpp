#include "support/skinned_scene.h"

#include <gtest/gtest.h>

#include "media/gfx/display.h"
#include "media/input/input.h"
#include "scene/shell.h"

namespace kv::test {

SkinnedScene::SkinnedScene(const std::filesystem::path& builtHome, std::string_view label)
    : folder(label), previous_(std::filesystem::current_path()) {
    for (const auto& entry : std::filesystem::directory_iterator(builtHome))
        if (entry.path().extension() == ".pic" || entry.path().filename() == "DEFAULT.KZK")
            std::filesystem::copy_file(entry.path(), folder.path() / entry.path().filename());
    for (int slot = 0; slot < 4; ++slot)
        if (createSlot(slot, 640, 480, 0) != 1) ADD_FAILURE() << "display slot " << slot << " not created";
    createInput();
    createKeyboard();
    std::filesystem::current_path(folder.path());
    shell() = Shell{};
    shell().programFolder = folder.path().string() + "/";
}

SkinnedScene::~SkinnedScene() { std::filesystem::current_path(previous_); }

}  // namespace kv::test
