#include "play/play_state.h"

namespace kv {

Play thePlay;

}  // namespace kv
