#include "scene/shell.h"

namespace kv {

Shell& shell() {
    static Shell instance;
    return instance;
}

}  // namespace kv
