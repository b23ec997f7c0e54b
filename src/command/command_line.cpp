#include "command/command_line.h"

#include "text/decimal.h"
#include "text/file_names.h"
#include "words/texts.h"

namespace bw {

namespace {

// Each command's spelling in CommandText, by CommandKind; the plain switches
// are read in the same spelling, less its sign.
constexpr const char* kSpellings[] = {
    "",        "/on",       "/off",    "/off ", "/off until ", "/toggle",
    "/while ", "/while \"", "/status", "/exit", "/?",          "/display off"};
constexpr CommandKind kPlain[] = {CommandKind::On,   CommandKind::Toggle, CommandKind::Status,
                                  CommandKind::Exit, CommandKind::Usage,  CommandKind::Off};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// "H:MM" as minutes: one or two digits each side, as the dialog's fields take
// them; below the hour limit. -1 when it is none.
int ReadClock(std::string_view text, int hoursBelow, int minutesBelow, bool twoMinuteDigits) {
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos || colon == 0 || colon > 2) return -1;
  const std::string_view hours = text.substr(0, colon), minutes = text.substr(colon + 1);
  if (minutes.empty() || minutes.size() > 2 || (twoMinuteDigits && minutes.size() != 2)) return -1;
  const std::int64_t h = ParseDecimal(hours, false), m = ParseDecimal(minutes, false);
  if (h < 0 || m < 0 || h >= hoursBelow || m >= minutesBelow) return -1;
  return static_cast<int>(h * 60 + m);
}

// Why words are no command, with the word typed where the text has "%1".
// None when they are one.
struct Refusal {
  Text why = Text::None;
  std::string_view word = {};
};

// The command of the words, of which `count` were typed and the first three
// kept (a fourth or later in the third's place).
Refusal Read(const std::string_view* words, std::size_t count, Command& command) {
  if (count == 0) return {};
  const std::string_view first = words[0];
  if (first.size() < 2 || (first[0] != '/' && first[0] != '-')) return {Text::NotASwitch, first};
  const std::string_view name = first.substr(1);
  const std::size_t rest = count - 1;
  // Switches, like file names, compare in any case of their ASCII letters.
  for (const CommandKind kind : kPlain) {
    if (!SameProgram(name, kSpellings[static_cast<int>(kind)] + 1)) continue;
    command.kind = kind;
    if (rest == 0) return {};
    if (kind != CommandKind::Off) return {Text::TakesNoArgument, first};
    if (rest == 1) {
      command.minutes = ReadClock(words[1], 100, 100, false);
      if (command.minutes <= 0) {
        return {Text::NotASpan, words[1]};
      }
      command.kind = CommandKind::OffFor;
      return {};
    }
    command.minutes =
        rest == 2 && SameProgram(words[1], "until") ? ReadClock(words[2], 24, 60, true) : -1;
    if (command.minutes < 0) return {Text::OffTakes};
    command.kind = CommandKind::OffUntil;
    return {};
  }
  if (SameProgram(name, "display")) {
    command.kind = CommandKind::DisplayOff;
    return rest == 1 && SameProgram(words[1], "off") ? Refusal{} : Refusal{Text::DisplayTakes};
  }
  if (!SameProgram(name, "while")) return {Text::UnknownSwitch, first};
  if (rest != 1) return {Text::WhileTakes};
  // Digits are a process id, never a file name.
  const std::int64_t id = ParseDecimal(words[1], false);
  if (id == 0) return {Text::NoProcessZero};
  if (id > 0) {
    command.kind = CommandKind::WhileProcess;
    command.processId = static_cast<std::uint32_t>(id);
    return {};
  }
  if (!IsProgramFile(words[1])) {
    return {Text::NotProcessNorFile, words[1]};
  }
  // A process is known by its file's whole name: without it nothing would
  // ever match, and the command would hold nothing.
  const std::string_view file = words[1];
  if (file.size() < 5 || !SameProgram(file.substr(file.size() - 4), ".exe")) {
    return {Text::EndsInExe, file};
  }
  command.kind = CommandKind::WhileProgram;
  command.program = words[1];
  return {};
}

}  // namespace

// Words split at spaces and tabs; a quoted part keeps its spaces. Without
// their quotes the words are no longer than typed: they are copied into one
// buffer of that length, and read through views of it.
ParsedCommand ParseCommandLine(std::string_view arguments) {
  std::string letters(arguments.size(), ' ');
  char* out = letters.data();
  std::string_view words[3];
  std::size_t count = 0, at = 0;
  for (;;) {
    while (at < arguments.size() && IsBlank(arguments[at])) ++at;
    if (at == arguments.size()) break;
    char* const start = out;
    bool quoted = false;
    for (; at < arguments.size() && (quoted || !IsBlank(arguments[at])); ++at) {
      if (arguments[at] == '"') {
        quoted = !quoted;
      } else {
        *out++ = arguments[at];
      }
    }
    words[count < 3 ? count : 2] = {start, static_cast<std::size_t>(out - start)};
    ++count;
  }
  ParsedCommand parsed;
  const Refusal refusal = Read(words, count, parsed.command.emplace());
  if (refusal.why != Text::None) {
    parsed.command.reset();
    FillInto(parsed.error, Say(refusal.why), {refusal.word});
  }
  return parsed;
}

std::string CommandText(const Command& command) {
  std::string text = kSpellings[static_cast<int>(command.kind)];
  char digits[5];
  switch (command.kind) {
    case CommandKind::OffFor: {
      // Minutes past 59 only where the hours' two digits are full (99:99).
      const int hours = command.minutes / 60 < 99 ? command.minutes / 60 : 99;
      text += DecimalText(hours);
      digits[0] = ':';
      text.append(digits, WriteTwoDigits(digits + 1, command.minutes - hours * 60));
      break;
    }
    case CommandKind::OffUntil:
      digits[2] = ':';
      WriteTwoDigits(digits, command.minutes / 60);
      text.append(digits, WriteTwoDigits(digits + 3, command.minutes % 60));
      break;
    case CommandKind::WhileProcess:
      text += DecimalText(command.processId);
      break;
    case CommandKind::WhileProgram:
      text += command.program;
      text += '"';
      break;
    default:
      break;
  }
  return text;
}

}  // namespace bw
