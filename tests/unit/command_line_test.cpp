// The command line as a user or a script types it, and as the running copy
// reads it back.
#include "command/command_line.h"

#include <gtest/gtest.h>

namespace bw {
namespace {

// Each form, in any case and with either sign, read to the one spelling the
// running copy is handed; each bad one refused. The copy reads that spelling
// back to the same command.
TEST(CommandLine, EachFormReadsToOneSpellingAndEachBadOneIsRefused) {
  const struct {
    const char* typed;
    const char* handed;  // null: a usage error
  } rows[] = {
      {"", ""},
      {"  /ON ", "/on"},
      {"-off", "/off"},
      {"/off 1:30", "/off 1:30"},
      {"/off 0:01", "/off 0:01"},
      {"/off 1:75", "/off 2:15"},
      {"/off 99:99", "/off 99:99"},
      {"/off Until 7:05", "/off until 07:05"},
      {"/off until 23:59", "/off until 23:59"},
      {"/toggle", "/toggle"},
      {"/while 1234", "/while 1234"},
      {"/while obs64.exe", "/while \"obs64.exe\""},
      {"/while \"My Game.exe\"", "/while \"My Game.exe\""},
      {"/status", "/status"},
      {"/Exit", "/exit"},
      {"/?", "/?"},
      {"/off 0:00", nullptr},
      {"/off 100:00", nullptr},
      {"/off 1:100", nullptr},
      {"/off 1:3x", nullptr},
      {"/off 90", nullptr},
      {"/off :30", nullptr},
      {"/off until 24:00", nullptr},
      {"/off until 7:5", nullptr},
      {"/off until", nullptr},
      {"/off tomorrow 7:05", nullptr},
      {"/on now", nullptr},
      {"/while", nullptr},
      {"/while 0", nullptr},
      {"/while C:\\Games\\game.exe", nullptr},
      {"/while a b", nullptr},
      {"/sleep", nullptr},
      {"on", nullptr},
      {"/", nullptr},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.typed);
    const ParsedCommand parsed = ParseCommandLine(row.typed);
    if (!row.handed) {
      EXPECT_FALSE(parsed.command);
      EXPECT_FALSE(parsed.error.empty());
      continue;
    }
    ASSERT_TRUE(parsed.command) << parsed.error;
    const std::string handed = CommandText(*parsed.command);
    EXPECT_EQ(handed, row.handed);
    const ParsedCommand back = ParseCommandLine(handed);
    ASSERT_TRUE(back.command);
    EXPECT_EQ(CommandText(*back.command), handed);
  }
}

}  // namespace
}  // namespace bw
