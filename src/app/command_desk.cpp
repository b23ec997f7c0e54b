#include "app/command_desk.h"

#include "app/app.h"
#include "text/decimal.h"

namespace bw {
namespace {

int Switched(bool switched, std::string& line) {
  if (switched) return kExitDone;
  line = "Windows did not switch the screen saver";
  return kExitFailed;
}

}  // namespace

// Only what another copy may ask: a text that would start a copy or print
// the usage is no command here, and neither is one its rules refuse.
std::optional<CommandAnswer> CommandDesk::OnCommand(std::string_view text) {
  const ParsedCommand parsed = ParseCommandLine(text);
  if (!parsed.command || parsed.command->kind == CommandKind::Start ||
      parsed.command->kind == CommandKind::Usage) {
    return std::nullopt;
  }
  std::optional<CommandAnswer> answer(std::in_place);
  answer->exitCode = Act(*parsed.command, answer->line);
  return answer;
}

// A policy's state is not the user's to switch, nor to hold. "On" during a
// span ends it as the menu's "Enable" does; "off" finds it off already.
int CommandDesk::Act(const Command& command, std::string& line) {
  App& app = app_;
  if (command.kind == CommandKind::Status) return TellState(line);
  if (command.kind == CommandKind::Exit) {
    app.Shutdown();
    return kExitDone;
  }
  if (app.screenSaver_.Policy()) {
    line = "a policy sets the screen saver";
    return kExitRefused;
  }
  switch (command.kind) {
    case CommandKind::On:
      if (!app.SpanRuns()) {
        return Switched(app.SwitchTo(true, app.screenSaver_.GetScreenSaverState()), line);
      }
      app.EndTimedDisable(true);
      break;
    case CommandKind::Off:
      if (app.SpanRuns()) break;
      return Switched(app.SwitchTo(false, app.screenSaver_.GetScreenSaverState()), line);
    case CommandKind::Toggle:
      app.Toggle();
      break;
    case CommandKind::OffFor:
      Begin(SpanOfMinutes(command.minutes, app.timedDisable_.countdown().StartWhenDone()));
      break;
    case CommandKind::OffUntil:
      if (const std::optional<SpanRequest> span =
              SpanUntil(app.platform_.clock, command.minutes,
                        app.timedDisable_.countdown().StartWhenDone())) {
        Begin(*span);
        break;
      }
      line = "that time is now";
      return kExitUsage;
    case CommandKind::WhileProcess:
      if (!app.hold_.HoldWhile(command.processId)) {
        line = "no process of this session has the id ";
        line += DecimalText(command.processId);
        return kExitUsage;
      }
      app.Refresh();
      break;
    case CommandKind::WhileProgram:
      app.hold_.HoldWhile(command.program);
      app.Refresh();
      break;
    default:
      break;
  }
  return kExitDone;
}

// As the dialog's OK would begin it; a span that runs begins anew, and an
// open dialog closes: the command had the last word.
void CommandDesk::Begin(const SpanRequest& span) {
  app_.timedDialog_.Cancel();
  app_.BeginTimedDisable(span);
}

// A hold counts as off even in the moment another program has switched the
// screen saver on: the next poll switches it off again.
int CommandDesk::TellState(std::string& line) {
  App& app = app_;
  const Hold& hold = app.hold_;
  const std::optional<bool> policy = app.screenSaver_.Policy();
  const bool enabled =
      policy ? *policy
             : !app.SpanRuns() && !hold.holding() && app.screenSaver_.GetScreenSaverState();
  line = enabled ? "enabled" : "disabled";
  if (policy) {
    line += " by policy";
  } else if (app.SpanRuns()) {
    // "1:29:58"
    const std::int32_t seconds = app.timedDisable_.SecondsLeft();
    char clock[6] = {':', 0, 0, ':'};
    WriteTwoDigits(clock + 1, seconds / 60 % 60);
    WriteTwoDigits(clock + 4, seconds % 60);
    line.append(" for ").append(DecimalText(seconds / 3600)).append(clock, sizeof clock);
  } else if (hold.holding()) {
    if (!hold.heldFor().empty()) {
      line.append(" while ").append(hold.heldFor()).append(" runs");
    } else {
      line += hold.byHours() ? " during working hours" : " while a program is full screen";
    }
  }
  return enabled ? kExitDone : kExitDisabled;
}

}  // namespace bw
