#include "app/command_desk.h"

#include "app/app.h"
#include "text/decimal.h"

namespace bw {
namespace {

std::string TwoDigits(std::int32_t value) {
  return std::string(1, static_cast<char>('0' + value / 10)) + static_cast<char>('0' + value % 10);
}

// "1:29:58"
std::string ClockText(std::int32_t seconds) {
  return DecimalText(seconds / 3600) + ":" + TwoDigits(seconds / 60 % 60) + ":" +
         TwoDigits(seconds % 60);
}

CommandAnswer Switched(bool switched) {
  if (switched) return {};
  return {kExitFailed, "Windows did not switch the screen saver"};
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
  return Act(*parsed.command);
}

// A policy's state is not the user's to switch, nor to hold. "On" during a
// span ends it as the menu's "Enable" does; "off" finds it off already.
CommandAnswer CommandDesk::Act(const Command& command) {
  App& app = app_;
  if (command.kind == CommandKind::Status) return StatusAnswer();
  if (command.kind == CommandKind::Exit) {
    app.Shutdown();
    return {};
  }
  if (app.screenSaver_.Policy()) return {kExitRefused, "a policy sets the screen saver"};
  switch (command.kind) {
    case CommandKind::On:
      if (!app.SpanRuns())
        return Switched(app.SwitchTo(true, app.screenSaver_.GetScreenSaverState()));
      app.EndTimedDisable(true);
      return {};
    case CommandKind::Off:
      if (app.SpanRuns()) return {};
      return Switched(app.SwitchTo(false, app.screenSaver_.GetScreenSaverState()));
    case CommandKind::Toggle:
      app.Toggle();
      return {};
    case CommandKind::OffFor:
      return Begin(SpanOfMinutes(command.minutes, app.timedDisable_.countdown().StartWhenDone()));
    case CommandKind::OffUntil:
      if (const std::optional<SpanRequest> span =
              SpanUntil(app.platform_.clock, command.minutes,
                        app.timedDisable_.countdown().StartWhenDone())) {
        return Begin(*span);
      }
      return {kExitUsage, "that time is now"};
    case CommandKind::WhileProcess:
      if (!app.hold_.HoldWhile(command.processId)) {
        return {kExitUsage,
                "no process of this session has the id " + DecimalText(command.processId)};
      }
      app.Refresh();
      return {};
    case CommandKind::WhileProgram:
      app.hold_.HoldWhile(command.program);
      app.Refresh();
      return {};
    default:
      return {};
  }
}

// As the dialog's OK would begin it; a span that runs begins anew, and an
// open dialog closes: the command had the last word.
CommandAnswer CommandDesk::Begin(const SpanRequest& span) {
  app_.timedDialog_.Cancel();
  app_.BeginTimedDisable(span);
  return {};
}

// A hold counts as off even in the moment another program has switched the
// screen saver on: the next poll switches it off again.
CommandAnswer CommandDesk::StatusAnswer() {
  App& app = app_;
  if (const std::optional<bool> policy = app.screenSaver_.Policy()) {
    if (*policy) return {kExitDone, "enabled by policy"};
    return {kExitDisabled, "disabled by policy"};
  }
  if (app.SpanRuns()) {
    return {kExitDisabled, "disabled for " + ClockText(app.timedDisable_.SecondsLeft())};
  }
  const Hold& hold = app.hold_;
  if (hold.holding()) {
    if (!hold.heldFor().empty()) {
      return {kExitDisabled, "disabled while " + std::string(hold.heldFor()) + " runs"};
    }
    return {kExitDisabled, hold.byHours() ? "disabled during working hours"
                                          : "disabled while a program is full screen"};
  }
  if (app.screenSaver_.GetScreenSaverState()) return {kExitDone, "enabled"};
  return {kExitDisabled, "disabled"};
}

}  // namespace bw
