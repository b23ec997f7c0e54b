#include "app/app.h"

#include "app/settings_layout.h"
#include "app/version.h"
#include "tray/tray_message.h"

namespace bw {

App::App(Platform& platform)
    : platform_(platform),
      screenSaver_(platform.system, platform.registry),
      trayIcon_(platform.shell),
      poller_(screenSaver_, trayIcon_),
      pollTimer_(platform.ui, TimerId::Poll),
      countdown_(screenSaver_, trayIcon_, poller_, platform.ui, platform.system, pollTimer_),
      settings_(platform.registry, platform.system) {}

// The icon shows the program's own picture and name until the first poll,
// which always draws the state.
void App::Start() {
  trayIcon_.Add();
  settings_.Load();
  pollTimer_.Set(true);
}

SettingsView App::View() const {
  return {
      TitleWithVersion(kTitleCaption, kVersionMajor, kVersionMinor),
      {{kIdStartWithWindows, settings_.startWithWindows()}, {kIdMethod, settings_.clickMethod()}}};
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
  countdown_.Abandon();
  settings_.SaveClickMethod();
  trayIcon_.Remove();
  pollTimer_.Set(false);
  platform_.ui.Quit();
}

void App::OnTimer(TimerId timer) {
  switch (timer) {
    case TimerId::Poll:
      poller_.Tick();
      break;
    case TimerId::Countdown:
      countdown_.Tick();
      break;
  }
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
      settings_.SetClickMethod(value);
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
      Toggle(kMethodSingleClick);
      break;
    case TrayAction::ToggleOnDoubleClick:
      Toggle(kMethodDoubleClick);
      break;
    case TrayAction::Popup:
      ShowPopupMenu();
      break;
    case TrayAction::None:
      break;
  }
  trayBusy_ = false;
}

// For this logon only; the icon follows at once rather than at the next poll.
void App::Toggle(int method) {
  if (countdown_.Running() || settings_.clickMethod() != method) return;
  screenSaver_.SetScreenSaverState(!screenSaver_.GetScreenSaverState(), false);
  poller_.Tick();
}

void App::ShowPopupMenu() {
  const int command = platform_.ui.TrackPopupMenu();
  if (command != 0) OnMenuCommand(command);
}

void App::OnMenuCommand(int commandId) {
  switch (static_cast<MenuCommand>(commandId)) {
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
        countdown_.End();
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

}  // namespace bw
