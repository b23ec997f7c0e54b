#include "app/command_desk.h"

#include "app/app.h"
#include "text/decimal.h"
#include "text/utf8.h"

namespace bw {

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

// A policy's state is not the user's to switch, nor to hold. "On" during a
// span ends it as the menu's "Enable" does; "off" finds it off already, and
// so does a click. A command that switches is answered by the flag it left:
// the switch Windows refused, or the span's end it refused, is a failure.
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
  const bool enabled = app.screenSaver_.GetScreenSaverState();
  bool wanted = false;
  switch (command.kind) {
    case CommandKind::On:
      wanted = true;
      if (app.SpanRuns()) {
        app.EndTimedDisable(true);
      } else {
        app.SwitchTo(true, enabled);
      }
      break;
    case CommandKind::Off:
    case CommandKind::Toggle:
      if (app.SpanRuns()) return kExitDone;
      wanted = command.kind == CommandKind::Toggle && !enabled;
      app.SwitchTo(wanted, enabled);
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
      return kExitDone;
    case CommandKind::WhileProgram:
    default:
      app.hold_.HoldWhile(command.program);
      app.Refresh();
      return kExitDone;
  }
  if (app.screenSaver_.GetScreenSaverState() == wanted) return kExitDone;
  line = "Windows did not switch the screen saver";
  return kExitFailed;
}

// As the dialog's OK would begin it; a span that runs begins anew, and an
// open dialog closes: the command had the last word. The first tick would
// switch the screen saver off a second later; the caller learns now whether
// Windows does.
void CommandDesk::Begin(const SpanRequest& span) {
  app_.timedDialog_.Cancel();
  app_.BeginTimedDisable(span);
  app_.screenSaver_.SetScreenSaverState(false);
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
