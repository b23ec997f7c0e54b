#include "app/app.h"

#include "tray/popup_menu.h"
#include "tray/tray_message.h"

namespace bw {

App::App(Platform& platform)
    : platform_(platform),
      screenSaver_(platform.screenSaver, platform.launcher, platform.registry),
      trayIcon_(platform.shell, platform.clock),
      poller_(screenSaver_, trayIcon_),
      countdown_(screenSaver_, platform.clock),
      timedDialog_(platform.timedDialog, platform.ui, countdown_),
      spanNote_(platform.registry, platform.session),
      settings_(platform.registry, platform.session),
      displayKeeper_(platform.power),
      pollTimer_(platform.ui, TimerId::Poll),
      countdownTimer_(platform.ui, TimerId::Countdown) {}

// The icon shows the program's own picture and name until the first poll,
// which always draws the state.
void App::Start() {
  trayIcon_.Add();
  settings_.Load();
  screenSaver_.ReadPolicy();
  ResumeNotedSpan();
  if (!countdown_.Running()) pollTimer_.Set(true);
}

// A span whose time ran out while no copy ran, one whose note cannot be read,
// and one that a policy now overrides only switch the screen saver back on:
// the moment to start it has passed.
void App::ResumeNotedSpan() {
  const NotedSpan noted = spanNote_.Read();
  if (noted.state == NotedSpan::State::None) return;
  if (noted.state == NotedSpan::State::Running && !screenSaver_.Policy()) {
    countdown_.Resume(noted.progress);
    if (!countdown_.Expired()) {
      ShowCountdown();
      OnCountdownTick();
      return;
    }
  }
  countdown_.Stop();
  screenSaver_.SetScreenSaverState(true);
  spanNote_.Erase();
}

SettingsView App::View() const { return {kTitle, settings_.View()}; }

void App::OnCloseRequest(CloseReason reason) {
  // Closing the settings window only hides it: the program lives in the tray.
  if (reason == CloseReason::User) {
    platform_.ui.HideSettings();
    return;
  }
  Shutdown();
}

// A span must not outlast the program: the screen saver would stay off for
// the rest of the logon. The click method is stored before the icon goes:
// removing it is a call into a shell that may be busy at the end of the logon.
void App::Shutdown() {
  if (countdown_.Running()) spanNote_.Erase();
  countdown_.Stop();
  countdownTimer_.Set(false);
  displayKeeper_.Release();
  settings_.SaveClickMethod();
  trayIcon_.Remove();
  pollTimer_.Set(false);
  platform_.ui.Quit();
}

void App::OnTimer(int timerId) {
  if (timerId == static_cast<int>(TimerId::Poll)) {
    poller_.Tick();
    FollowDisplay();
  }
  if (timerId == static_cast<int>(TimerId::Countdown)) OnCountdownTick();
  if (timerId == kStopwatchTimerId) timedDialog_.OnClockTick();
}

// Kept on while the icon shows the screen saver off and the user asked for it.
void App::FollowDisplay() {
  displayKeeper_.Follow(settings_.Value(kIdKeepDisplayOn) != 0, trayIcon_.picture());
}

void App::OnTaskbarCreated() { trayIcon_.Restore(); }

// The icon shows what the policy sets, or, without one, the user's state
// again. A policy ends a span: the screen saver is no longer the user's to
// hold off.
void App::OnPolicyChanged() {
  screenSaver_.ReadPolicy();
  if (countdown_.Running()) {
    if (screenSaver_.Policy()) EndTimedDisable();
    return;
  }
  poller_.Invalidate();
  poller_.Tick();
  FollowDisplay();
}

// Stored at once; the window then shows what was stored, which for a Run key
// that cannot be written is not what the user clicked.
void App::OnSettingChanged(int controlId, int value) {
  if (!settings_.Set(controlId, value)) return;
  FollowDisplay();
  platform_.ui.UpdateSettings(View());
}

void App::OnSettingsButton(int) {}
void App::OnWindowShown(std::uint32_t) {}
void App::OnProcessEnded(std::uint32_t) {}

void App::OnTimedDialogShown() { timedDialog_.Load(); }

bool App::OnSpanFieldKey(SpanField field, int keyCode, int upDownValue) {
  return timedDialog_.OnFieldKeyDown(field, keyCode, upDownValue);
}

void App::OnSpanUpDown(SpanField field) { timedDialog_.OnUpDownClicked(field); }

void App::OnTimedDialogOk(std::string_view hoursText, std::string_view minutesText,
                          bool startWhenDone) {
  const std::optional<SpanRequest> span = timedDialog_.OnOk(hoursText, minutesText, startWhenDone);
  if (span) BeginTimedDisable(span->span, span->startWhenDone);
}

void App::OnTimedDialogCancel() { timedDialog_.OnCancel(); }

// While the popup or the dialog is open, a click on the icon only brings the
// dialog forward: hidden behind other windows, it has no taskbar button.
void App::OnTrayMessage(int message, std::uint32_t sentAt) {
  const TrayAction action = DecodeTrayMessage(message, trayIcon_.keyboardCallbacks());
  const bool fromKeyboard =
      message == kContextMenu && !(rightButtonReleased_ && sentAt - lastMessage_ < kKeyPressMs);
  rightButtonReleased_ = message == kRightButtonUp;
  lastMessage_ = sentAt;
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
      OnKeySelect(sentAt);
      break;
    case TrayAction::Popup:
      ShowPopupMenu(fromKeyboard);
      break;
    case TrayAction::None:
      break;
  }
  trayBusy_ = false;
}

// Enter or Space switches as the chosen click would. One press of Enter can
// reach the program twice: a second sent within the moment is the same press,
// however long a busy shell kept the program from taking it.
void App::OnKeySelect(std::uint32_t sentAt) {
  const bool repeated = keySelected_ && sentAt - lastKeySelect_ < kKeyPressMs;
  keySelected_ = true;
  lastKeySelect_ = sentAt;
  if (!repeated) Toggle(settings_.clickMethod());
}

// For this logon only; the icon follows at once rather than at the next poll,
// drawn from the switch's own outcome. A policy's state is not the user's to
// switch.
void App::Toggle(ClickMethod method) {
  if (countdown_.Running() || screenSaver_.Policy() || settings_.clickMethod() != method ||
      method == ClickMethod::None) {
    return;
  }
  const bool enabled = screenSaver_.GetScreenSaverState();
  const bool switched = screenSaver_.SetScreenSaverState(!enabled);
  poller_.Show(switched ? !enabled : enabled);
  FollowDisplay();
}

// The countdown ticks on while the menu is open: the chosen item does what it
// showed, not what it would show now. A menu the keyboard opened hands the
// focus back to the icon before a window the command opens takes it.
void App::ShowPopupMenu(bool fromKeyboard) {
  const bool spanShown = countdown_.Running();
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
        if (countdown_.Running()) EndTimedDisable();
      } else if (!countdown_.Running() && !screenSaver_.Policy()) {
        dialogOpen_ = true;
        platform_.ui.ShowTimedDisableDialog();
        dialogOpen_ = false;
      }
      break;
    case MenuCommand::Settings:
      platform_.ui.ShowSettings(View());
      break;
    case MenuCommand::Exit:
      OnCloseRequest(CloseReason::Exit);
      break;
    case MenuCommand::None:
      break;
  }
}

// Noted at once, so that a copy started after a crash goes on with the span.
// A dialog opened before a policy came cannot begin one under it.
void App::BeginTimedDisable(Span span, bool startWhenDone) {
  if (countdown_.Running() || screenSaver_.Policy()) return;
  countdown_.Begin(span, startWhenDone);
  spanNote_.Write(countdown_.Progress());
  ShowCountdown();
}

// The poller rests while the countdown owns the icon. The tip keeps the last
// status text until the first tick replaces it.
void App::ShowCountdown() {
  pollTimer_.Set(false);
  countdownTimer_.Set(true);
  trayIcon_.SetPicture(TrayPicture::TimedDisable);
  trayIcon_.Update();
  FollowDisplay();
}

void App::OnCountdownTick() {
  // A tick already queued when the span ended must not switch it off again.
  if (!countdown_.Running()) return;
  const CountdownTick tick = countdown_.Tick();
  if (tick.ended) {
    EndTimedDisable();
    // Only now: the display is let go, and the screen saver is on again.
    if (tick.startScreenSaver) screenSaver_.StartScreenSaver();
    return;
  }
  trayIcon_.SetTip(tick.tip.view());
  trayIcon_.Update();
}

// Switches the screen saver back on. The icon still shows the countdown,
// whether or not switching back worked: it is redrawn from the true state at
// once.
void App::EndTimedDisable() {
  countdown_.Stop();
  spanNote_.Erase();
  countdownTimer_.Set(false);
  pollTimer_.Set(true);
  poller_.Invalidate();
  poller_.Tick();
  FollowDisplay();
}

}  // namespace bw
