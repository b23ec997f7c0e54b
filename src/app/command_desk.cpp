#include "app/command_desk.h"

#include "text/decimal.h"
#include "text/utf8.h"
#include "words/texts.h"

namespace bw {
namespace {

// The state in the words scripts read, and its exit code.
int TellState(const Report& report, std::string& line) {
  const Status& status = report.status;
  const bool held = !status.byPolicy && status.heldTip;
  const bool enabled = status.state == Status::State::Enabled && !held;
  line = enabled ? "enabled" : "disabled";
  if (status.byPolicy) {
    line += " by policy";
  } else if (status.state == Status::State::Counting) {
    // "1:29:58"
    const std::int32_t seconds = report.secondsLeft;
    char clock[6] = {':', 0, 0, ':'};
    WriteTwoDigits(clock + 1, seconds / 60 % 60);
    WriteTwoDigits(clock + 4, seconds % 60);
    line.append(" for ").append(DecimalText(seconds / 3600)).append(clock, sizeof clock);
  } else if (held) {
    line += report.heldBy->status();
  }
  return enabled ? kExitDone : kExitDisabled;
}

}  // namespace

// Only what another copy may ask: a text that would start a copy or print
// the usage is no command here, and neither is one its rules refuse. A line
// longer than the channel carries is cut as the tip is, at a whole character.
std::optional<CommandAnswer> CommandDesk::OnCommand(std::string_view text) {
  const ParsedCommand parsed = ParseCommandLine(text);
  if (!parsed.command || parsed.command->kind == CommandKind::Start ||
      parsed.command->kind == CommandKind::Usage) {
    return std::nullopt;
  }
  std::optional<CommandAnswer> answer(std::in_place);
  answer->exitCode = Act(*parsed.command, answer->line);
  if (answer->line.size() > kAnswerLineMaxBytes) {
    answer->line.resize(CharacterStart(answer->line, kAnswerLineMaxBytes));
  }
  return answer;
}

int CommandDesk::Act(const Command& command, std::string& line) {
  if (command.kind == CommandKind::Status) return TellState(actions_.State(), line);
  switch (Ask(command)) {
    case Outcome::Done:
      return kExitDone;
    case Outcome::ByPolicy:
      line = Say(Text::ByPolicyAnswer);
      return kExitRefused;
    case Outcome::Refused:
      line = Say(Text::RefusedAnswer);
      return kExitFailed;
    case Outcome::NoSuchProcess:
      line = Fill(Text::NoSuchProcessAnswer, {DecimalText(command.processId)});
      return kExitUsage;
    case Outcome::TimeIsNow:
    default:
      line = Say(Text::TimeIsNowAnswer);
      return kExitUsage;
  }
}

Outcome CommandDesk::Ask(const Command& command) {
  switch (command.kind) {
    case CommandKind::On:
      return actions_.Enable();
    case CommandKind::Off:
      return actions_.Disable();
    case CommandKind::Toggle:
      return actions_.Toggle();
    case CommandKind::OffFor:
      return actions_.DisableFor(command.minutes);
    case CommandKind::OffUntil:
      return actions_.DisableUntil(command.minutes);
    case CommandKind::WhileProcess:
      return actions_.HoldWhile(command.processId);
    case CommandKind::WhileProgram:
      return actions_.HoldWhile(command.program);
    case CommandKind::DisplayOff:
      actions_.TurnDisplayOff();
      return Outcome::Done;
    case CommandKind::Exit:
    default:
      actions_.Exit();
      return Outcome::Done;
  }
}

}  // namespace bw
