// What Blinkward.exe is asked on its command line. The running copy is
// handed the same request as text and reads it with the same rules, so that
// it takes nothing the command line would refuse.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace bw {

enum class CommandKind : std::uint8_t {
  Start,         // no argument: the program itself
  On,            // switch the screen saver on
  Off,           // switch it off
  OffFor,        // a timed disable of `minutes`
  OffUntil,      // a timed disable until the minute of the day `minutes`
  Toggle,        // as a click on the icon
  WhileProcess,  // hold it off while process `processId` runs
  WhileProgram,  // hold it off while a program of the file name `program` runs
  Status,        // print the state
  Exit,          // end the running copy
  Usage,         // print the usage
  DisplayOff,    // turn the display off now
};

struct Command {
  CommandKind kind = CommandKind::Start;
  int minutes = 0;
  std::uint32_t processId = 0;
  std::string program;
};

// A command, or why the arguments are none.
struct ParsedCommand {
  std::optional<Command> command;
  std::string error;
};

// The arguments after the program's name as Windows hands them over:
// switches begin with / or -, in any case; a file name may be in quotes.
ParsedCommand ParseCommandLine(std::string_view arguments);

// The command as the running copy is handed it: its own command line, in
// the one spelling ParseCommandLine reads back.
std::string CommandText(const Command& command);

// How a copy started with a command ends.
enum ExitCode : int {
  kExitDone = 0,      // done; for /status, enabled
  kExitDisabled = 1,  // for /status: disabled
  kExitUsage = 2,     // a usage error: nothing changed
  kExitNoCopy = 3,    // no copy runs, or none could be started
  kExitRefused = 4,   // a policy sets the screen saver
  kExitFailed = 5,    // Windows did not switch the screen saver
};

}  // namespace bw
