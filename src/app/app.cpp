#include "app/app.h"

#include "tray/popup_menu.h"

namespace bw {

App::App(Platform& platform)
    : platform_(platform),
      screenSaver_(platform.screenSaver, platform.launcher, platform.registry),
      trayIcon_(platform.shell, platform.clock),
      poller_(screenSaver_, trayIcon_),
      displayHint_(platform.shell, platform.registry, platform.clock, screenSaver_),
      timedDisable_(screenSaver_, platform.clock, platform.registry, platform.session, platform.ui),
      timedDialog_(platform.timedDialog, platform.ui, timedDisable_.countdown()),
      settings_(platform.registry, platform.session),
      settingsWindow_(platform.ui, platform.programs, platform.session, settings_),
      displayKeeper_(platform.power),
      pollTimer_(platform.ui, TimerId::Poll, kPollIntervalMs),
      hold_(screenSaver_, platform.programs, platform.clock, platform.registry, platform.session) {}

// The icon shows the program's own picture and name until the first poll,
// which always draws the state.
void App::Start() {
  trayIcon_.Add();
  settings_.Load();
  displayHint_.Load();
  screenSaver_.ReadPolicy();
  FollowSettings();
  if (timedDisable_.Resume(screenSaver_.Policy().has_value())) {
    ShowCountdown();
    OnCountdownTick();
  }
  Apply(hold_.Resume(timedDisable_.Running()));
  if (!timedDisable_.Running()) pollTimer_.Set(true);
}

void App::OnCloseRequest(CloseReason reason) {
  // Closing the settings window only hides it: the program lives in the tray.
  if (reason == CloseReason::User) {
    platform_.ui.HideSettings();
    return;
  }
  Shutdown();
}

// The click method is stored before the icon goes: removing it is a call into
// a shell that may be busy at the end of the logon.
void App::Shutdown() {
  hold_.End(timedDisable_.Running());
  timedDisable_.End();
  displayKeeper_.Release();
  settings_.SaveClickMethod();
  trayIcon_.Remove();
  pollTimer_.Set(false);
  platform_.ui.Quit();
}

void App::OnTimer(int timerId) {
  if (timerId == static_cast<int>(TimerId::Poll)) {
    Apply(hold_.Watch(timedDisable_.Running()));
    poller_.Tick();
    FollowDisplay();
  }
  if (timerId == static_cast<int>(TimerId::Countdown)) {
    Apply(hold_.Watch(timedDisable_.Running()));
    OnCountdownTick();
  }
  if (timerId == static_cast<int>(TimerId::Stopwatch)) timedDialog_.OnClockTick();
}

// Kept on while the icon shows the screen saver off and the user asked for it.
void App::FollowDisplay() {
  displayKeeper_.Follow(settings_.Value(kIdKeepDisplayOn) != 0, trayIcon_.picture());
}

// The icon shows what the policy sets, or, without one, the user's state
// again. A policy ends a span: the screen saver is no longer the user's to
// hold off.
void App::OnPolicyChanged() {
  screenSaver_.ReadPolicy();
  Apply(hold_.Follow(timedDisable_.Running()));
  if (timedDisable_.Running()) {
    if (screenSaver_.Policy()) EndTimedDisable(false);
    return;
  }
  poller_.Invalidate();
  poller_.Tick();
  FollowDisplay();
}

void App::OnSettingChanged(int controlId, int value) {
  if (!settingsWindow_.OnChanged(controlId, value)) return;
  if (controlId == kIdFullScreen) {
    FollowSettings();
    hold_.JudgeForeground();
    Refresh();
  }
  FollowDisplay();
}

// A program added that runs holds at once.
void App::OnSettingsButton(int controlId) {
  const ListChange change = settingsWindow_.OnButton(controlId);
  if (change == ListChange::None) return;
  FollowSettings();
  if (change == ListChange::Added) hold_.LookAtAll();
  Refresh();
}

void App::FollowSettings() {
  hold_.FollowSettings(settings_.programs(), settings_.Value(kIdFullScreen) != 0);
}

void App::OnWindowShown(std::uint32_t processId, std::uint32_t threadId) {
  hold_.OnWindowShown(processId, threadId);
  Refresh();
}

void App::OnForegroundChanged() {
  hold_.OnForegroundChanged();
  Refresh();
}

void App::OnProcessEnded(std::uint32_t processId) {
  hold_.OnProcessEnded(processId);
  Refresh();
}

// The icon's tip gives the hold's reason while it holds; a hold that begins
// by switching the screen saver off may call for the hint.
void App::Apply(HoldChange change) {
  poller_.SetDisabledTip(hold_.Tip());
  if (change.newReason) poller_.Invalidate();
  if (change.switchedOff) ShowDisplayHint();
}

// After a reason came or went outside the ticks: the icon follows at once.
void App::Refresh() {
  Apply(hold_.Follow(timedDisable_.Running()));
  if (!timedDisable_.Running()) poller_.Tick();
  FollowDisplay();
}

void App::ShowDisplayHint() { displayHint_.Show(settings_.Value(kIdKeepDisplayOn) != 0); }

void App::OnTimedDialogOk(std::string_view hoursText, std::string_view minutesText,
                          bool startWhenDone) {
  const std::optional<SpanRequest> span = timedDialog_.OnOk(hoursText, minutesText, startWhenDone);
  if (span) BeginTimedDisable(span->span, span->startWhenDone);
}

// While the popup or the dialog is open, a click on the icon only brings the
// dialog forward: hidden behind other windows, it has no taskbar button.
void App::OnTrayMessage(int message, std::uint32_t sentAt) {
  const TrayAction action = trayInput_.Take(message, sentAt, trayIcon_.keyboardCallbacks());
  // The shell's word, not the user's: taken whatever runs.
  if (action == TrayAction::BalloonShown) return displayHint_.OnShown();
  if (trayBusy_) {
    if (dialogOpen_ && action != TrayAction::None) platform_.ui.ShowTimedDisableDialog();
    return;
  }
  trayBusy_ = true;
  switch (action) {
    case TrayAction::ToggleOnSingleClick:
      Toggle(ClickMethod::SingleClick);
      break;
    case TrayAction::ToggleOnDoubleClick:
      Toggle(ClickMethod::DoubleClick);
      break;
    case TrayAction::ToggleByKeyboard:
      if (trayInput_.NewPress(sentAt)) Toggle(settings_.clickMethod());
      break;
    case TrayAction::PopupFromMouse:
    case TrayAction::PopupFromKeyboard:
      ShowPopupMenu(action == TrayAction::PopupFromKeyboard);
      break;
    case TrayAction::BalloonClicked:
      displayHint_.OnShown();
      settingsWindow_.Show();
      break;
    case TrayAction::BalloonShown:
    case TrayAction::None:
      break;
  }
  trayBusy_ = false;
}

// For this logon only; the icon follows at once rather than at the next poll,
// drawn from the switch's own outcome. A policy's state is not the user's to
// switch.
void App::Toggle(ClickMethod method) {
  if (timedDisable_.Running() || screenSaver_.Policy() || settings_.clickMethod() != method ||
      method == ClickMethod::None) {
    return;
  }
  // A click during a hold is the user's say: the hold stands aside until
  // its reasons have ended.
  hold_.SetAside();
  Apply();
  const bool enabled = screenSaver_.GetScreenSaverState();
  const bool switched = screenSaver_.SetScreenSaverState(!enabled);
  poller_.Show(switched ? !enabled : enabled);
  if (switched && enabled) ShowDisplayHint();
  FollowDisplay();
}

// The countdown ticks on while the menu is open: the chosen item does what it
// showed, not what it would show now. A menu the keyboard opened hands the
// focus back to the icon before a window the command opens takes it.
void App::ShowPopupMenu(bool fromKeyboard) {
  const bool spanShown = timedDisable_.Running();
  const int command = platform_.ui.TrackPopupMenu(
      PopupMenuView({.spanRunning = spanShown, .byPolicy = screenSaver_.Policy().has_value()}));
  if (fromKeyboard) trayIcon_.Focus();
  if (command != 0) OnMenuCommand(command, spanShown);
}

void App::OnMenuCommand(int command, bool spanShown) {
  switch (static_cast<MenuCommand>(command)) {
    case MenuCommand::StartScreenSaver:
      screenSaver_.StartScreenSaver();
      break;
    case MenuCommand::ConfigureScreenSaver:
      screenSaver_.OpenScreenSaverConfiguration();
      break;
    case MenuCommand::SelectScreenSaver:
      screenSaver_.OpenScreenSaverSelection();
      break;
    case MenuCommand::TimedDisable:
      if (spanShown) {
        if (timedDisable_.Running()) EndTimedDisable(true);
      } else if (!timedDisable_.Running() && !screenSaver_.Policy()) {
        dialogOpen_ = true;
        platform_.ui.ShowTimedDisableDialog();
        dialogOpen_ = false;
      }
      break;
    case MenuCommand::Settings:
      settingsWindow_.Show();
      break;
    case MenuCommand::Exit:
      OnCloseRequest(CloseReason::Exit);
      break;
    case MenuCommand::None:
      break;
  }
}

// A dialog opened before a policy came cannot begin a span under it.
void App::BeginTimedDisable(Span span, bool startWhenDone) {
  if (timedDisable_.Running() || screenSaver_.Policy()) return;
  timedDisable_.Begin(span, startWhenDone);
  ShowCountdown();
  ShowDisplayHint();
}

// The poller rests while the countdown owns the icon. The tip keeps the last
// status text until the first tick replaces it.
void App::ShowCountdown() {
  pollTimer_.Set(false);
  trayIcon_.SetPicture(TrayPicture::TimedDisable);
  trayIcon_.Update();
  FollowDisplay();
}

void App::OnCountdownTick() {
  // A tick already queued when the span ended must not switch it off again.
  if (!timedDisable_.Running()) return;
  const CountdownTick tick = timedDisable_.Tick();
  if (tick.ended) {
    EndTimedDisable(false);
    // Only now: the display is let go, and the screen saver is on again,
    // unless a hold has taken it over.
    if (tick.startScreenSaver && !hold_.holding()) screenSaver_.StartScreenSaver();
    return;
  }
  trayIcon_.SetTip(tick.tip.view());
  trayIcon_.Update();
}

// Switches the screen saver back on. The icon still shows the countdown,
// whether or not switching back worked: it is redrawn from the true state at
// once. The user's "Enable Screen Saver" sets a hold aside; at the span's own
// end a hold that lasts takes over: the screen saver, on again for the
// moment, is switched off by it, and back on at its end.
void App::EndTimedDisable(bool byUser) {
  if (byUser) hold_.SetAside();
  timedDisable_.End();
  pollTimer_.Set(true);
  hold_.TakeOver();
  Apply(hold_.Follow(false));
  poller_.Invalidate();
  poller_.Tick();
  FollowDisplay();
}

}  // namespace bw
