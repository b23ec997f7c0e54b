// Who may hand the running copy a command, and answer a calling one, across
// Windows' integrity levels. Windows lets a message in from a process at the
// window's own level or above; from below only where the window opens its
// filter, and then from every level below, Low and Untrusted too: the filter
// cannot say "only from Medium". So a window opens it only where it must,
// and the running copy looks at the caller's level itself.
#pragma once

#include <cstdint>

namespace bw {

// A process's integrity level, as Windows numbers it (the last part of its
// mandatory label); 0 when it cannot be read, as on XP, which has none.
inline constexpr std::uint32_t kLowIntegrity = 0x1000;
inline constexpr std::uint32_t kMediumIntegrity = 0x2000;
inline constexpr std::uint32_t kHighIntegrity = 0x3000;

// Only a copy started as administrator opens its window to a lower level:
// its commands from an ordinary caller, or a calling copy's answer from an
// ordinary running one. An ordinary copy leaves Windows to keep lower levels out.
constexpr bool OpensToLowerLevels(std::uint32_t ownLevel) { return ownLevel > kMediumIntegrity; }

// Where the window is open, a command is taken only from an ordinary caller
// or above: never from a sandbox's Low, nor from a caller whose level cannot
// be read.
constexpr bool TakesCallerAt(std::uint32_t callerLevel) { return callerLevel >= kMediumIntegrity; }

}  // namespace bw
