#pragma once
// Where the end-to-end runs leave their screenshots for people to look at
// (beside the program folder in the build tree), and a check that a shot
// holds a real picture.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "platform/image_codec.h"

namespace kv::e2e {

inline std::filesystem::path shotFolder() {
    const std::filesystem::path folder = std::filesystem::path(KV_HOME) / ".." / "e2e-shots";
    std::filesystem::create_directories(folder);
    return folder;
}

// A full-size picture with more than a handful of colours (not a blank or
// a black screen).
inline void expectPicture(const std::filesystem::path& shot) {
    Surface picture;
    ASSERT_TRUE(platform::decodeImageFile(shot.string(), picture)) << shot;
    EXPECT_EQ(picture.width, 640);
    EXPECT_EQ(picture.height, 480);
    const std::set<Pixel> colours(picture.pixels.begin(), picture.pixels.end());
    EXPECT_GT(colours.size(), 16u) << shot;
}

}  // namespace kv::e2e
