#include "scene/eternal_run.h"

namespace kv {

EternalRun& eternalRun() {
    static EternalRun run;
    return run;
}

}  // namespace kv
