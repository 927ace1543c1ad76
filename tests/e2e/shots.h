#pragma once
// Where the end-to-end runs leave their screenshots for people to look at
// (beside the program folder in the build tree), and checks on what a shot
// shows.
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

// Whether two shots show the same pixels inside `area`.
inline bool sameArea(const std::filesystem::path& a, const std::filesystem::path& b, const Rect& area) {
    Surface first, second;
    if (!platform::decodeImageFile(a.string(), first) || !platform::decodeImageFile(b.string(), second)) return false;
    const auto covers = [&](const Surface& s) { return area.right <= s.width && area.bottom <= s.height; };
    if (!covers(first) || !covers(second)) return false;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (first.at(x, y) != second.at(x, y)) return false;
    return true;
}

}  // namespace kv::e2e
