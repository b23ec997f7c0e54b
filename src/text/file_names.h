// Program file names the way the user sees them ("obs64.exe"), compared as
// the file system compares them: the list the user keeps and the processes
// the hold finds speak of programs alike.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace bw {

inline constexpr std::size_t kLongestFileName = 255;

// A file name a list can hold: not empty, no folder or drive, nothing a file
// name cannot contain, no trailing dot or space (which Windows drops).
bool IsProgramFile(std::string_view name);

// ASCII letters compare without regard to case.
bool SameProgram(std::string_view a, std::string_view b);

bool ListHolds(const std::vector<std::string>& list, std::string_view file);

// The file name at the end of a path.
std::string_view FileNameOf(std::string_view path);

}  // namespace bw
