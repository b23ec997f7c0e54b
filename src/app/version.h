// The program's version; the version resource carries the same numbers.
#pragma once

#include <string>
#include <string_view>

namespace bw {

inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 1;
inline constexpr int kVersionRevision = 12;

// The title caption followed by "major.minor", the minor at least two digits
// ("Blinkward v" + 1.01).
std::string TitleWithVersion(std::string_view caption, int major, int minor);

}  // namespace bw
