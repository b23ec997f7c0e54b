// The program's version, as the title line shows it.
#pragma once

#include <string>
#include <string_view>

#include "version_info.h"

namespace bw {

inline constexpr int kVersionMajor = BLINKWARD_VERSION_MAJOR;
inline constexpr int kVersionMinor = BLINKWARD_VERSION_MINOR;

// The title caption followed by "major.minor", the minor at least two digits
// ("Blinkward v" + 1.01).
std::string TitleWithVersion(std::string_view caption, int major, int minor);

}  // namespace bw
