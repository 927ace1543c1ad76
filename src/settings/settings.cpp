#include "settings/settings.h"

namespace kv {

Settings& settings() {
    static Settings instance;
    return instance;
}

}  // namespace kv
