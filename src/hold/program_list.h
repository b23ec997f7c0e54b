// The programs the user listed, as file names the way the user sees them
// ("obs64.exe"), compared as the file system compares them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace bw {

inline constexpr std::size_t kMostPrograms = 32;
inline constexpr std::size_t kLongestFileName = 255;

// A file name the list can hold: not empty, no folder or drive, nothing a
// file name cannot contain, no trailing dot or space (which Windows drops).
bool IsProgramFile(std::string_view name);

// ASCII letters compare without regard to case.
bool SameProgram(std::string_view a, std::string_view b);

bool ListHolds(const std::vector<std::string>& list, std::string_view file);

// Whether the user is offered a running program: not the shell and the hosts
// that outlive every window (they would hold for good), nor the program
// itself (file name self).
bool Offered(std::string_view file, std::string_view self);

// The file name at the end of a path.
std::string_view FileNameOf(std::string_view path);

// The entries of a stored list the program can use, in their order, each
// once, at most kMostPrograms of them; the rest are passed over.
std::vector<std::string> UsablePrograms(const std::vector<std::string>& stored);

// A line of the menu of running programs: the window's title, cut to fit,
// then the file name; an ampersand shows as itself.
std::string ProgramMenuLine(std::string_view title, std::string_view file);

}  // namespace bw
