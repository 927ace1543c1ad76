#pragma once
// The striped transition that closes the picture on screen between scenes:
// even rows close from both sides towards the centre, odd rows open from
// the centre outwards, 8 pixels per 12 ms step, 41 steps in all.
#include "base/surface.h"

namespace kv {

class WipeStripes {
public:
    // Widens the stripes by one step and blackens them in `picture`
    // (640 x 480).
    void step(Surface& picture);
    bool finished() const { return stripe_ > 320; }
    int stripe() const { return stripe_; }

private:
    int stripe_ = 0;
};

// Copies the shown picture into slot 1 and wipes it out on screen, leaving
// it black. Returns 0 when the quit message arrived on the way, else 1.
// Slot 1 normally holds a skin sheet: every scene loads its sheets anew.
int wipeOut();

}  // namespace kv
