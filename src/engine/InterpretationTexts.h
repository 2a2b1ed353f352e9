#pragma once

#include <array>

namespace tzolkara {

// The long interpretation texts, one paragraph of plain ASCII each.
// Day signs are in sign-table order (index 0 is Monkey, 10 is Crocodile, 19 is Dog);
// day numbers are in order 1..13 (index 0 is day number 1).
extern const std::array<const char *, 20> kSignDescriptions;
extern const std::array<const char *, 13> kToneDescriptions;

} // namespace tzolkara
