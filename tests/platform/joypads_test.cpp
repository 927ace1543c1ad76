// Joypads: axis scaling and the headless case.
#include "platform/joypads.h"

#include <gtest/gtest.h>

#include "support/headless_session.h"

namespace kv::platform {
namespace {

TEST(JoypadsTest, SdlAxisRangeScalesToPlusMinus127) {
    const std::pair<int, std::int32_t> cases[] = {
        {-32768, -127}, {-32767, -127}, {-16384, -63}, {-259, -1}, {-258, 0}, {0, 0},
        {258, 0},       {259, 1},       {16384, 63},   {32767, 127},
    };
    for (auto [sdl, expected] : cases) EXPECT_EQ(scaleAxis(sdl), expected) << sdl;
}

TEST(JoypadsTest, HeadlessRunsOpenNoneAndReadNothing) {
    test::HeadlessSession session;
    EXPECT_EQ(openJoypads(8), 0);
    EXPECT_EQ(joypadCount(), 0);
    JoypadReading reading;
    reading.x = 5;
    EXPECT_FALSE(readJoypad(0, reading));
    EXPECT_EQ(reading.x, 0);
    EXPECT_FALSE(readJoypad(-1, reading));
    EXPECT_FALSE(readJoypad(kMaxJoypads, reading));
}

}  // namespace
}  // namespace kv::platform
