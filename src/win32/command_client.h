// A copy started with a command line: it hands the command to the copy that
// runs in this logon, starting one first where the command needs it, tells
// the outcome and ends.
#pragma once

#include <string_view>

#include "command/command_line.h"

namespace bw::win32 {

// The program's command line less its own name, as Windows quotes it.
std::string_view Arguments(std::string_view commandLine);

// The exit code of a copy started with the command (or its refusal).
int RunCommand(const ParsedCommand& parsed);

}  // namespace bw::win32
