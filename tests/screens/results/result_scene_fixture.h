#pragma once
// The common ground of the result-screen suites: a headless display with
// the two full-screen slots, keys, default settings, and a scratch program
// folder; the run's state is cleared again afterwards.
#include <gtest/gtest.h>

#include <string>

#include "chart/chart.h"
#include "media/gfx/display.h"
#include "media/input/input.h"
#include "play/play_state.h"
#include "scene/shell.h"
#include "settings/settings.h"
#include "support/headless_session.h"
#include "support/temp_folder.h"

namespace kv::test {

class ResultSceneTest : public ::testing::Test {
protected:
    explicit ResultSceneTest(const std::string& folderName) : temp{folderName} {}

    void SetUp() override {
        ASSERT_EQ(createInput(), 1);
        ASSERT_EQ(createKeyboard(), 1);
        ASSERT_EQ(createSlot(0, 640, 480, 0), 1);
        ASSERT_EQ(createSlot(1, 640, 480, 0), 1);
        settings() = Settings{};
        shell().programFolder = temp.path().string() + "/";
        thePlay = Play{};
    }
    void TearDown() override {
        releaseInput();
        thePlay = Play{};
        theChart.noteCount = 0;
        settings() = Settings{};
    }

    HeadlessSession session;
    TempFolder temp;
};

}  // namespace kv::test
