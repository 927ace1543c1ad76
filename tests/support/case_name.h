#pragma once
// Names for the cases of parameterised suites that have no name field, made
// from the values that tell them apart, so test lists and reports read
// "Tempo130_Rank2" rather than the case's raw bytes.
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace kv::test {

// caseName({{"Bpm", -150}, {"Tempo", 1}}) == "BpmMinus150_Tempo1"; 1.5 reads
// "1_5" and 1e11 "1e11". Test names allow letters, digits and '_' only.
std::string caseName(std::initializer_list<std::pair<std::string_view, double>> fields);

}  // namespace kv::test
