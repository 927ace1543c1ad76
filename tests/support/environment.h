#pragma once
// Sets an environment variable for the rest of the test program, on POSIX
// systems and on Windows alike.
#include <cstdlib>

namespace kv::test {

inline void setEnvironment(const char* name, const char* value) {
#ifdef _WIN32
    _putenv_s(name, value);
#else
    setenv(name, value, 1);
#endif
}

}  // namespace kv::test
