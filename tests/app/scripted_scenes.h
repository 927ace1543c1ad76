#pragma once
// Test scenes for the scene driver: each screen returns the next result
// queued for it (or a "back" once its queue is empty) and every call is
// logged as one short line, so a test states what the player does and
// checks what the driver ran.
#include <deque>
#include <string>
#include <vector>

#include "scene/scene_table.h"

namespace kv::test {

// A select-screen result that picks entry `index` of the open folder's list.
constexpr int pick(int index) { return 100 + index; }

class ScriptedScenes {
public:
    ScriptedScenes();

    // Results, in call order.
    std::deque<int> titles;       // empty: exit
    std::deque<int> selects;      // pick(i), a raw result, or empty: back (-1 on the course list)
    std::deque<int> loads;        // empty: loaded
    std::deque<int> plays;        // empty: played out
    std::deque<PlayFacts> facts;  // one per play; empty: ended normally, cleared, gauge 80
    std::deque<int> results;      // empty: 0
    std::deque<int> others;       // puzzle cell, eternal options, course name, stored course: empty = back/0
    std::vector<ChartEntry> list; // the open folder's visible list
    int lastMeasure = 10;
    // Called inside playChart, before it returns (to send the quit message, ...).
    std::function<void(int playNumber)> duringPlay;

    std::vector<std::string> log;
    float gauge = 0.0f;
    int plays_made = 0;

    const SceneTable& table() const { return table_; }
    SceneTable& table() { return table_; }

    // The log lines that start with `prefix`.
    std::vector<std::string> calls(const std::string& prefix) const;

private:
    int next(std::deque<int>& queue, int whenEmpty);

    SceneTable table_;
    PlayFacts current_;
    ChartEntry chosen_;
};

ChartEntry entryNamed(const std::string& fileName);

}  // namespace kv::test
