// A game killed outright (SIGKILL, as a crash or a killed process ends it)
// while it saves leaves every file whole: each holds what it held before
// the save or what the save wrote, never a torn or empty file.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <memory>
#include <random>
#include <string>

#include "play/replay_file.h"
#include "screens/modes/course_file.h"
#include "screens/results/ranking_file.h"
#include "settings/settings_file.h"
#include "support/temp_folder.h"

namespace kv {
namespace {

namespace fs = std::filesystem;

// Two versions of each file the game saves; but for the fixed-size ranking
// they differ in size, and a torn or empty file is neither.
struct SavedFiles {
    fs::path settings, ranking, replay, course;

    void save(int version) const {
        Settings chosen;
        chosen.SPEED = std::int8_t(version == 0 ? 2 : 7);
        if (version == 1) chosen.SFONT = std::string(70, 'f');
        saveSettings(chosen, settings);

        Ranking scores;
        scores.entries[0].score = version == 0 ? 1000 : 250000;
        int state = version;  // the same key bytes on every save of a version
        writeRankingBlock(ranking, encodeRanking(scores, 0x42, [&state] { return state = (state * 75 + 74) % 32768; }));

        auto record = std::make_unique<ReplayRecord>();
        for (int i = 0; i < (version == 0 ? 3 : 900); ++i) record->lanes[i % 8].push({1, std::int16_t(i % 96), 1});
        saveReplay(replay, 0x42, *record, 0x17);

        CourseStages stages;
        for (ChartEntry& stage : stages) stage.title = version == 0 ? "old" : std::string(300, 'n');
        writeCourseFile(course, stages);
    }

    std::array<std::string, 4> contents() const {
        return {test::TempFolder::read(settings), test::TempFolder::read(ranking), test::TempFolder::read(replay),
                test::TempFolder::read(course)};
    }
};

// Saves the two versions in turn until killed; says when it has begun.
[[noreturn]] void saveForever(const SavedFiles& files, int ready) {
    const char go = 1;
    if (write(ready, &go, 1) != 1) _exit(1);
    for (int version = 1;; version ^= 1) files.save(version);
}

TEST(KilledWhileSaving, EveryFileIsTheOldOrTheNewOne) {
    test::TempFolder temp{"kv_kill"};
    const SavedFiles files{temp.path() / "KV2.CFG", temp.path() / "song.K2R", temp.path() / "song.KRP",
                           temp.path() / "course" / "mine.kcz"};
    fs::create_directories(temp.path() / "course");
    files.save(1);
    const auto newer = files.contents();
    files.save(0);
    const auto older = files.contents();
    for (std::size_t i = 0; i < older.size(); ++i) ASSERT_NE(older[i], newer[i]) << i;

    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> killAfterMicros(0, 30'000);
    std::array<int, 4> newSeen{};
    constexpr int kRounds = 150;
    for (int round = 0; round < kRounds; ++round) {
        int pipeEnds[2];
        ASSERT_EQ(pipe(pipeEnds), 0);
        const pid_t saver = fork();
        ASSERT_GE(saver, 0);
        if (saver == 0) {
            close(pipeEnds[0]);
            saveForever(files, pipeEnds[1]);
        }
        close(pipeEnds[1]);
        char go = 0;
        ASSERT_EQ(read(pipeEnds[0], &go, 1), 1);
        close(pipeEnds[0]);
        usleep(useconds_t(killAfterMicros(random)));
        kill(saver, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(saver, &status, 0), saver);
        ASSERT_TRUE(WIFSIGNALED(status));

        const auto found = files.contents();
        for (std::size_t i = 0; i < found.size(); ++i) {
            ASSERT_TRUE(found[i] == older[i] || found[i] == newer[i])
                << "file " << i << " after round " << round << " holds " << found[i].size() << " bytes";
            newSeen[i] += found[i] == newer[i];
        }
    }
    // The kills landed all over the saves, not always before or after them.
    for (std::size_t i = 0; i < newSeen.size(); ++i) {
        EXPECT_GT(newSeen[i], 0) << i;
        EXPECT_LT(newSeen[i], kRounds) << i;
    }
}

}  // namespace
}  // namespace kv
