// The hold's timings.
#pragma once

#include <cstdint>

namespace bw {

// While programs are listed, a look at the whole session this often finds
// those that never show a window.
inline constexpr std::uint32_t kLookAtAllMs = 12000;
// A window that appears may come forward or grow to full screen a moment
// later, and not every system reports that (Wine reports only the window's
// creation): for this long after, each poll judges the foreground again.
inline constexpr std::uint32_t kJudgeAfterWindowMs = 1000;

}  // namespace bw
