#include "support/case_name.h"

#include <cstdio>

namespace kv::test {

std::string caseName(std::initializer_list<std::pair<std::string_view, double>> fields) {
    std::string name;
    for (const auto& [label, value] : fields) {
        if (!name.empty()) name += '_';
        name += label;
        char number[32];
        std::snprintf(number, sizeof number, "%g", value);
        for (const char* c = number; *c; ++c) {
            if (*c == '-') name += "Minus";
            else if (*c == '.') name += '_';
            else if (*c != '+') name += *c;  // 1e+11 reads 1e11
        }
    }
    return name;
}

}  // namespace kv::test
