// Commands and answers between copies at different integrity levels, through
// Windows' message filter as Windows documents it: a message reaches a window
// from the window's own level or above, and from below only where the window
// opened its filter, then from every level below.
#include "command/integrity.h"

#include <gtest/gtest.h>

namespace bw {
namespace {

bool Reaches(std::uint32_t from, std::uint32_t to, bool filterOpen) {
  return from >= to || filterOpen;
}

// What a caller at one level meets, handing a command to a copy at another.
std::string Handed(std::uint32_t caller, std::uint32_t copy) {
  const bool open = OpensToLowerLevels(copy);
  if (!Reaches(caller, copy, open)) return "kept out by Windows";
  if (open && !TakesCallerAt(caller)) return "refused by the copy";
  return Reaches(copy, caller, OpensToLowerLevels(caller)) ? "taken" : "taken, no line";
}

// An ordinary copy is reached as Windows allows; one started as
// administrator lets ordinary callers in and refuses a sandbox's, and an
// elevated script gets its line from an ordinary copy. XP has no levels.
TEST(Integrity, OnlyACopyStartedAsAdministratorOpensAndOnlyToOrdinaryCallers) {
  const struct {
    std::uint32_t caller, copy;
    const char* met;
  } rows[] = {
      {kMediumIntegrity, kMediumIntegrity, "taken"},
      {kLowIntegrity, kMediumIntegrity, "kept out by Windows"},
      {kHighIntegrity, kMediumIntegrity, "taken"},
      {kMediumIntegrity, kHighIntegrity, "taken"},
      {kHighIntegrity, kHighIntegrity, "taken"},
      {kLowIntegrity, kHighIntegrity, "refused by the copy"},
      {0, kHighIntegrity, "refused by the copy"},
      {0, 0, "taken"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(Handed(row.caller, row.copy), row.met)
        << std::hex << row.caller << " to " << row.copy;
  }
}

}  // namespace
}  // namespace bw
