#include "app/app.h"

namespace bw {

App::App(Platform& platform)
    : platform_(platform),
      screenSaver_(platform.screenSaver, platform.launcher, platform.registry),
      trayIcon_(platform.shell, platform.clock),
      displayHint_(platform.shell, platform.registry, platform.clock, screenSaver_),
      timedDisable_(screenSaver_, platform.clock, platform.registry, platform.session,
                    platform.timers),
      timedDialog_(platform.timedDialog, platform.timers, platform.clock,
                   timedDisable_.countdown()),
      settings_(platform.registry, platform.session, platform.hotkeys),
      settingsWindow_(platform.settingsWindow, platform.programs, platform.session, platform.locale,
                      settings_),
      displayKeeper_(platform.power),
      pollTimer_(platform.timers, TimerId::Poll, kPollIntervalMs),
      hold_(screenSaver_, platform.programs, platform.clock, platform.registry, platform.session,
            platform.locale, platform.timers, platform.power) {}

App::~App() = default;

// The icon shows the program's own picture and name until the first poll,
// which always draws the state.
void App::Start() {
  trayIcon_.Add();
  settings_.Load();
  displayHint_.Load();
  screenSaver_.ReadPolicy();
  FollowSettings();
  if (timedDisable_.Resume(screenSaver_.Policy().has_value())) {
    Show(Status::Counting());
    OnCountdownTick();
  }
  Apply(hold_.Resume(SpanRuns()));
  if (!SpanRuns()) pollTimer_.Set(true);
}

// The click method is stored before the icon goes: removing it is a call into
// a shell that may be busy at the end of the logon. An open dialog closes
// first, so that its modal loop ends and the program's own loop finds the quit.
void App::Shutdown() {
  hold_.End(SpanRuns());
  timedDialog_.Cancel();
  timedDisable_.End();
  displayKeeper_.Release();
  settings_.SaveClickMethod();
  trayIcon_.Remove();
  pollTimer_.Set(false);
  platform_.trayWindow.Quit();
}

void App::OnTimer(TimerId id) {
  if (id == TimerId::Stopwatch) return timedDialog_.OnClockTick();
  if (id == TimerId::Hours) return OnTimeChanged();  // an edge of the hours
  Apply(hold_.Watch(SpanRuns()));
  if (id == TimerId::Poll) Show(ReadStatus(screenSaver_, hold_.Tip()));
  if (id == TimerId::Countdown) OnCountdownTick();
}

// The icon shows what the policy sets, or, without one, the user's state
// again. A policy ends a span: the screen saver is no longer the user's to
// hold off.
void App::OnPolicyChanged() {
  screenSaver_.ReadPolicy();
  if (SpanRuns() && screenSaver_.Policy()) return EndTimedDisable(false);
  Refresh();
}

// The display follows the user's choice at once; the hold its reasons, and a
// program added that runs holds at once.
void App::Follow(SettingsChange change) {
  if (change == SettingsChange::None) return;
  if (change == SettingsChange::Stored) return displayKeeper_.Ask(KeepDisplayOn());
  FollowSettings();
  if (change == SettingsChange::FullScreen) hold_.JudgeForeground();
  if (change == SettingsChange::ProgramAdded) hold_.LookAtAll();
  Refresh();
}

void App::FollowSettings() {
  hold_.FollowSettings(settings_.programs(), settings_.Value(kIdFullScreen) != 0);
  hold_.FollowHours(settings_.hours());
  hold_.FollowPower(settings_.Value(kIdMainsOnly) != 0);
  displayKeeper_.Ask(KeepDisplayOn());
}

// A hold that begins by switching the screen saver off may call for the hint.
void App::Apply(HoldChange change) {
  if (change.switchedOff) ShowDisplayHint();
}

void App::Show(const Status& status) {
  trayIcon_.Show(status);
  displayKeeper_.Follow(status);
}

// After a reason came or went outside the ticks: the icon follows at once,
// unless the countdown owns it.
void App::Refresh(HoldChange change) {
  Apply(change);
  if (!SpanRuns()) Show(ReadStatus(screenSaver_, hold_.Tip()));
}

// While the popup or the dialog is open, a click on the icon or the shortcut
// only brings the dialog forward: hidden behind other windows, it has no
// taskbar button. The shell's word, or the user's click on the balloon: the
// hint was seen.
void App::Act(TrayAction action) {
  if (action == TrayAction::BalloonShown) return displayHint_.OnShown();
  if (action == TrayAction::BalloonClicked) displayHint_.OnShown();
  if (trayBusy_) {
    if (action != TrayAction::None) timedDialog_.BringForward();
    return;
  }
  trayBusy_ = true;
  if (action == TrayAction::Toggle) Toggle();
  if (action == TrayAction::PopupFromMouse) ShowPopupMenu(false);
  if (action == TrayAction::PopupFromKeyboard) ShowPopupMenu(true);
  if (action == TrayAction::BalloonClicked) settingsWindow_.Show();
  trayBusy_ = false;
}

// A policy's state is not the user's to switch.
void App::Toggle() {
  if (SpanRuns() || screenSaver_.Policy()) return;
  const bool enabled = screenSaver_.GetScreenSaverState();
  SwitchTo(!enabled, enabled);
}

// For this logon only; the icon follows at once rather than at the next poll,
// drawn from the switch's own outcome. The user's say during a hold sets it
// aside until its reasons have ended.
bool App::SwitchTo(bool on, bool enabled) {
  hold_.SetAside();
  const bool switched = on == enabled || screenSaver_.SetScreenSaverState(on);
  Show(Status::Switched(switched ? on : enabled));
  if (switched && enabled && !on) ShowDisplayHint();
  return switched;
}

// The countdown ticks on while the menu is open: the chosen item does what it
// showed, not what it would show now. A menu the keyboard opened hands the
// focus back to the icon before a window the command opens takes it.
void App::ShowPopupMenu(bool fromKeyboard) {
  const bool spanShown = SpanRuns();
  const int command = platform_.trayWindow.TrackPopupMenu(
      PopupMenuView({.spanRunning = spanShown, .byPolicy = screenSaver_.Policy().has_value()}));
  if (fromKeyboard) trayIcon_.Focus();
  OnMenuCommand(static_cast<MenuCommand>(command), spanShown);
}

void App::OnMenuCommand(MenuCommand command, bool spanShown) {
  switch (command) {
    case MenuCommand::StartScreenSaver:
      return screenSaver_.StartScreenSaver();
    case MenuCommand::ConfigureScreenSaver:
      return screenSaver_.OpenScreenSaverConfiguration();
    case MenuCommand::SelectScreenSaver:
      return screenSaver_.OpenScreenSaverSelection();
    case MenuCommand::TimedDisable:
      if (spanShown) {
        if (SpanRuns()) EndTimedDisable(true);
      } else if (!SpanRuns() && !screenSaver_.Policy()) {
        if (const std::optional<SpanRequest> span = timedDialog_.Run()) BeginTimedDisable(*span);
      }
      break;
    case MenuCommand::Settings:
      return settingsWindow_.Show();
    case MenuCommand::Exit:
      return Shutdown();
    case MenuCommand::None:
      break;
  }
}

// A dialog opened before a policy came cannot begin a span under it; a
// command may begin a running one anew. The poll rests while the countdown
// owns the icon, whose tip keeps the last status text until the first tick
// replaces it.
void App::BeginTimedDisable(const SpanRequest& request) {
  if (screenSaver_.Policy()) return;
  timedDisable_.Begin(request);
  pollTimer_.Set(false);
  Show(Status::Counting());
  ShowDisplayHint();
}

void App::OnCountdownTick() {
  // A tick already queued when the span ended must not switch it off again.
  if (!SpanRuns()) return;
  const CountdownTick tick = timedDisable_.Tick();
  if (!tick.ended) return Show(Status::Counting(tick.tip.view()));
  EndTimedDisable(false);
  // Only now: the display is let go, and the screen saver is on again,
  // unless a hold has taken it over.
  if (tick.startScreenSaver && !hold_.holding()) screenSaver_.StartScreenSaver();
}

// Switches the screen saver back on, and the icon shows the true state at
// once, whether or not that worked. The user's "Enable Screen Saver" sets a
// hold aside; at the span's own end a hold that lasts takes over: the screen
// saver, on again for the moment, is switched off by it, and back on at its end.
void App::EndTimedDisable(bool byUser) {
  if (byUser) hold_.SetAside();
  timedDisable_.End();
  pollTimer_.Set(true);
  hold_.TakeOver();
  Refresh();
}

}  // namespace bw
