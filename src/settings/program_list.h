// The programs the user listed: what is read of a stored list, what Add
// offers, and how it names a running program in its menu.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace bw {

inline constexpr std::size_t kMostPrograms = 32;

// Whether the user is offered a running program: not the shell and the hosts
// that outlive every window (they would hold for good), nor the program
// itself (file name self).
bool Offered(std::string_view file, std::string_view self);

// The entries of a stored list the program can use, in their order, each
// once, at most kMostPrograms of them; the rest are passed over.
std::vector<std::string> UsablePrograms(const std::vector<std::string>& stored);

// A line of the menu of running programs: the window's title, cut to fit,
// then the file name; an ampersand shows as itself.
std::string ProgramMenuLine(std::string_view title, std::string_view file);

}  // namespace bw
