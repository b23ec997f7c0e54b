// The command line as a user or a script types it, and as the running copy
// reads it back.
#include "command/command_line.h"

#include <gtest/gtest.h>

namespace bw {
namespace {

// Each form, in any case and with either sign, read to the one spelling the
// running copy is handed; each bad one refused with the reason printed. The
// copy reads that spelling back to the same command.
TEST(CommandLine, EachFormReadsToOneSpellingAndEachBadOneIsRefused) {
  const struct {
    const char* typed;
    const char* handed;  // null: a usage error
    const char* error = "";
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
      {"-Display OFF", "/display off"},
      {"/display", nullptr, "/display takes one word: off"},
      {"/display on", nullptr, "/display takes one word: off"},
      {"/off 0:00", nullptr, "not a span of hours and minutes, 0:01 to 99:99: 0:00"},
      {"/off 100:00", nullptr, "not a span of hours and minutes, 0:01 to 99:99: 100:00"},
      {"/off 1:100", nullptr, "not a span of hours and minutes, 0:01 to 99:99: 1:100"},
      {"/off 1:3x", nullptr, "not a span of hours and minutes, 0:01 to 99:99: 1:3x"},
      {"/off 90", nullptr, "not a span of hours and minutes, 0:01 to 99:99: 90"},
      {"/off :30", nullptr, "not a span of hours and minutes, 0:01 to 99:99: :30"},
      {"/off until 24:00", nullptr, "/off takes a span (1:30) or a time of day (until 17:30)"},
      {"/off until 7:5", nullptr, "/off takes a span (1:30) or a time of day (until 17:30)"},
      {"/off until", nullptr, "not a span of hours and minutes, 0:01 to 99:99: until"},
      {"/off tomorrow 7:05", nullptr, "/off takes a span (1:30) or a time of day (until 17:30)"},
      {"/off until 7:05 pm", nullptr, "/off takes a span (1:30) or a time of day (until 17:30)"},
      {"/On now", nullptr, "/On takes no argument"},
      {"/exit now or later", nullptr, "/exit takes no argument"},
      {"/while", nullptr, "/while takes a process id or a program's file name"},
      {"/while 1 2 3", nullptr, "/while takes a process id or a program's file name"},
      {"/while 0", nullptr, "no process has the id 0"},
      {"/while C:\\Games\\game.exe", nullptr,
       "not a process id nor a program's file name: C:\\Games\\game.exe"},
      {"/while \"\"", nullptr, "not a process id nor a program's file name: "},
      {"/while notepad", nullptr, "a program's file name ends in .exe: notepad"},
      {"/while .EXE", nullptr, "a program's file name ends in .exe: .EXE"},
      {"/while a b", nullptr, "/while takes a process id or a program's file name"},
      {"/sleep", nullptr, "unknown switch: /sleep"},
      {"\t-\"wh ile\"", nullptr, "unknown switch: -wh ile"},
      {"on", nullptr, "not a switch: on"},
      {"/", nullptr, "not a switch: /"},
      {"\"\" /on", nullptr, "not a switch: "},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.typed);
    const ParsedCommand parsed = ParseCommandLine(row.typed);
    if (!row.handed) {
      EXPECT_FALSE(parsed.command);
      EXPECT_EQ(parsed.error, row.error);
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
