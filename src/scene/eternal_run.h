#pragma once
// The running eternal play: a folder's charts one after another on one
// gauge until a chart is failed. The play screen shows its stage number.
namespace kv {

enum JukeRule { JukeCurrentFolder = 0, JukeAllFolders = 1 };

struct EternalRun {
    int juke = JukeAllFolders;  // the eternal option screen may change it
    int songs = 0;              // charts played in this run
    int position = 0;           // in the open folder's visible list
    int folder = 0;             // position of the open folder in display order
};

EternalRun& eternalRun();

}  // namespace kv
