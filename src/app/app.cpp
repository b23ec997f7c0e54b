#include "app/app.h"

#include "app/settings_layout.h"
#include "app/version.h"
#include "tray/popup_menu.h"
#include "tray/tray_message.h"

namespace bw {

App::App(Platform& platform)
    : platform_(platform),
      screenSaver_(platform.system, platform.registry),
      trayIcon_(platform.shell),
      poller_(screenSaver_, trayIcon_),
      countdown_(screenSaver_, platform.system),
      settings_(platform.registry, platform.system),
      pollTimer_(platform.ui, TimerId::Poll),
      countdownTimer_(platform.ui, TimerId::Countdown) {}

// The icon shows the program's own picture and name until the first poll,
// which always draws the state.
void App::Start() {
  trayIcon_.Add();
  settings_.Load();
  pollTimer_.Set(true);
}

SettingsView App::View() const {
  return {TitleWithVersion(kTitleCaption, kVersionMajor, kVersionMinor),
          {{kIdStartWithWindows, settings_.startWithWindows()},
           {kIdMethod, static_cast<int>(settings_.clickMethod())}}};
}

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
  countdown_.Stop();
  countdownTimer_.Set(false);
  settings_.SaveClickMethod();
  trayIcon_.Remove();
  pollTimer_.Set(false);
  platform_.ui.Quit();
}

void App::OnTimer(int timerId) {
  if (timerId == static_cast<int>(TimerId::Poll)) poller_.Tick();
  if (timerId == static_cast<int>(TimerId::Countdown)) OnCountdownTick();
}

void App::OnTaskbarCreated() { trayIcon_.Restore(); }

// Stored at once; the window then shows what was stored, which for a Run key
// that cannot be written is not what the user clicked.
void App::OnSettingChanged(int controlId, int value) {
  switch (controlId) {
    case kIdStartWithWindows:
      settings_.SetStartWithWindows(value != 0);
      break;
    case kIdMethod:
      settings_.SetClickMethod(static_cast<ClickMethod>(value));
      break;
    default:
      return;
  }
  platform_.ui.UpdateSettings(View());
}

void App::OnTrayMessage(int mouseMessage) {
  if (trayBusy_) return;
  trayBusy_ = true;
  switch (DecodeTrayMessage(mouseMessage)) {
    case TrayAction::ToggleOnSingleClick:
      Toggle(ClickMethod::SingleClick);
      break;
    case TrayAction::ToggleOnDoubleClick:
      Toggle(ClickMethod::DoubleClick);
      break;
    case TrayAction::Popup:
      ShowPopupMenu();
      break;
    case TrayAction::None:
      break;
  }
  trayBusy_ = false;
}

// For this logon only; the icon follows at once rather than at the next poll,
// drawn from the switch's own outcome.
void App::Toggle(ClickMethod method) {
  if (countdown_.Running() || settings_.clickMethod() != method) return;
  const bool enabled = screenSaver_.GetScreenSaverState();
  const bool switched = screenSaver_.SetScreenSaverState(!enabled);
  poller_.Show(switched ? !enabled : enabled);
}

void App::ShowPopupMenu() {
  const int command = platform_.ui.TrackPopupMenu(PopupMenuView(countdown_.Running()));
  if (command != 0) OnMenuCommand(command);
}

void App::OnMenuCommand(int command) {
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
      if (countdown_.Running()) {
        countdown_.Stop();
        EndTimedDisable();
      } else {
        platform_.ui.ShowTimedDisableDialog();
      }
      break;
    case MenuCommand::Settings:
      platform_.ui.ShowSettings(View());
      break;
    case MenuCommand::Exit:
      OnCloseRequest(CloseReason::Exit);
      break;
  }
}

// The poller rests while the countdown owns the icon. The tip keeps the last
// status text until the first tick replaces it.
void App::BeginTimedDisable(Span span, bool startWhenDone) {
  countdown_.Begin(span, startWhenDone);
  pollTimer_.Set(false);
  countdownTimer_.Set(true);
  trayIcon_.SetPicture(TrayPicture::TimedDisable);
  trayIcon_.Update();
}

void App::OnCountdownTick() {
  // A tick already queued when the span ended must not switch it off again.
  if (!countdown_.Running()) return;
  const CountdownTick tick = countdown_.Tick();
  if (tick.ended) {
    EndTimedDisable();
    return;
  }
  trayIcon_.SetTip(tick.tip.view());
  trayIcon_.Update();
}

// The icon still shows the countdown, whether or not switching back worked:
// it is redrawn from the true state at once.
void App::EndTimedDisable() {
  countdownTimer_.Set(false);
  pollTimer_.Set(true);
  poller_.Invalidate();
  poller_.Tick();
}

}  // namespace bw
