#include "app/shell.h"

namespace kv {

Shell& shell() {
    static Shell instance;
    return instance;
}

}  // namespace kv
