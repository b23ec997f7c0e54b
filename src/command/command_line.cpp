#include "command/command_line.h"

#include <vector>

#include "text/decimal.h"
#include "text/file_names.h"

namespace bw {

const char* const kUsage =
    "Blinkward [/on | /off [H:MM | until HH:MM] | /toggle | /while ID|FILE | /status | /exit]\n"
    "\n"
    "  /on               switches the screen saver on: ends a timed disable, sets a hold aside\n"
    "  /off              switches it off\n"
    "  /off 1:30         switches it off for 1 hour 30 minutes\n"
    "  /off until 17:30  switches it off until 17:30, tomorrow if that has passed\n"
    "  /toggle           switches it as a click on the icon does\n"
    "  /while 1234       keeps it off while the process with that id runs\n"
    "  /while obs64.exe  keeps it off while a program of that name runs\n"
    "  /status           prints the state in one line\n"
    "  /exit             ends the running copy\n"
    "\n"
    "Exit codes: 0 done (/status: enabled), 1 disabled (/status), 2 a usage error,\n"
    "3 no copy runs (/status) or none could start, 4 refused by a policy,\n"
    "5 Windows did not switch the screen saver.\n";

namespace {

// Words split at spaces and tabs; a quoted one keeps its spaces.
std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> words;
  std::size_t at = 0;
  while (at < text.size()) {
    if (text[at] == ' ' || text[at] == '\t') {
      ++at;
      continue;
    }
    std::string word;
    bool quoted = false;
    for (; at < text.size() && (quoted || (text[at] != ' ' && text[at] != '\t')); ++at) {
      if (text[at] == '"') {
        quoted = !quoted;
      } else {
        word += text[at];
      }
    }
    words.push_back(word);
  }
  return words;
}

bool SameWord(std::string_view word, std::string_view lower) {
  if (word.size() != lower.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    const char c =
        word[i] >= 'A' && word[i] <= 'Z' ? static_cast<char>(word[i] - 'A' + 'a') : word[i];
    if (c != lower[i]) return false;
  }
  return true;
}

// "H:MM" as minutes: one or two digits each side, as the dialog's fields take
// them; below the hour limit, and not zero. Nothing when it is none.
std::optional<int> ReadClock(std::string_view text, int hoursBelow, int minutesBelow,
                             bool twoMinuteDigits) {
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos || colon == 0 || colon > 2) return std::nullopt;
  const std::string_view hours = text.substr(0, colon), minutes = text.substr(colon + 1);
  if (minutes.empty() || minutes.size() > 2 || (twoMinuteDigits && minutes.size() != 2)) {
    return std::nullopt;
  }
  const std::int64_t h = ParseDecimal(hours, false), m = ParseDecimal(minutes, false);
  if (h < 0 || m < 0 || h >= hoursBelow || m >= minutesBelow) return std::nullopt;
  return static_cast<int>(h * 60 + m);
}

std::string TwoDigits(int value) {
  return std::string(1, static_cast<char>('0' + value / 10)) + static_cast<char>('0' + value % 10);
}

ParsedCommand Refused(std::string error) { return {std::nullopt, std::move(error)}; }

}  // namespace

ParsedCommand ParseCommandLine(std::string_view arguments) {
  const std::vector<std::string> words = Words(arguments);
  if (words.empty()) return {Command{}, {}};
  const std::string& first = words[0];
  if (first.size() < 2 || (first[0] != '/' && first[0] != '-')) {
    return Refused("not a switch: " + first);
  }
  const std::string_view name = std::string_view(first).substr(1);
  const std::size_t rest = words.size() - 1;
  Command command;
  const struct {
    const char* name;
    CommandKind kind;
  } plain[] = {{"on", CommandKind::On},         {"toggle", CommandKind::Toggle},
               {"status", CommandKind::Status}, {"exit", CommandKind::Exit},
               {"?", CommandKind::Usage},       {"off", CommandKind::Off}};
  for (const auto& row : plain) {
    if (!SameWord(name, row.name)) continue;
    command.kind = row.kind;
    if (rest == 0) return {command, {}};
    if (row.kind != CommandKind::Off) return Refused(first + " takes no argument");
    if (rest == 1) {
      const std::optional<int> span = ReadClock(words[1], 100, 100, false);
      if (!span || *span == 0) {
        return Refused("not a span of hours and minutes, 0:01 to 99:99: " + words[1]);
      }
      command.kind = CommandKind::OffFor;
      command.minutes = *span;
      return {command, {}};
    }
    const std::optional<int> time =
        rest == 2 && SameWord(words[1], "until") ? ReadClock(words[2], 24, 60, true) : std::nullopt;
    if (!time) return Refused("/off takes a span (1:30) or a time of day (until 17:30)");
    command.kind = CommandKind::OffUntil;
    command.minutes = *time;
    return {command, {}};
  }
  if (!SameWord(name, "while")) return Refused("unknown switch: " + first);
  if (rest != 1) return Refused("/while takes a process id or a program's file name");
  // Digits are a process id, never a file name.
  const std::int64_t id = ParseDecimal(words[1], false);
  if (id == 0) return Refused("no process has the id 0");
  if (id > 0) {
    command.kind = CommandKind::WhileProcess;
    command.processId = static_cast<std::uint32_t>(id);
    return {command, {}};
  }
  if (!IsProgramFile(words[1])) {
    return Refused("not a process id nor a program's file name: " + words[1]);
  }
  command.kind = CommandKind::WhileProgram;
  command.program = words[1];
  return {command, {}};
}

std::string CommandText(const Command& command) {
  switch (command.kind) {
    case CommandKind::Start:
      return "";
    case CommandKind::On:
      return "/on";
    case CommandKind::Off:
      return "/off";
    case CommandKind::OffFor: {
      // Minutes past 59 only where the hours' two digits are full (99:99).
      const int hours = command.minutes / 60 < 99 ? command.minutes / 60 : 99;
      return "/off " + DecimalText(hours) + ":" + TwoDigits(command.minutes - hours * 60);
    }
    case CommandKind::OffUntil:
      return "/off until " + TwoDigits(command.minutes / 60) + ":" +
             TwoDigits(command.minutes % 60);
    case CommandKind::Toggle:
      return "/toggle";
    case CommandKind::WhileProcess:
      return "/while " + DecimalText(command.processId);
    case CommandKind::WhileProgram:
      return "/while \"" + command.program + "\"";
    case CommandKind::Status:
      return "/status";
    case CommandKind::Exit:
      return "/exit";
    case CommandKind::Usage:
      return "/?";
  }
  return "";
}

}  // namespace bw
