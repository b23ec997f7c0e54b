#include "app/frm_settings.h"

#include "app/settings_layout.h"
#include "app/version.h"
#include "tray/popup_menu.h"
#include "tray/tray_message.h"

namespace bw {

bool CloseRequestCancels(int unloadReason) {
  return unloadReason != kUnloadFormCode && unloadReason != kUnloadAppWindows;
}

FrmSettings::FrmSettings(Platform& platform)
    : platform_(platform),
      screenSaver_(platform.system, platform.registry),
      trayIcon_(platform.shell, platform.forms),
      poller_(screenSaver_, trayIcon_),
      tmrSSCheck_(platform.forms, TimerId::SSCheck),
      tmrSSTimedDisable_(platform.forms, TimerId::SSTimedDisable),
      settings_(platform.registry, platform.system, platform.forms),
      timedDisable_(tmrSSCheck_, tmrSSTimedDisable_, screenSaver_, trayIcon_, poller_,
                    platform.forms) {}

void FrmSettings::Load() {
  platform_.forms.HideMainWindow();
  trayIcon_.AddTrayIcon();
  // The opposite of the truth, so that the first poll always draws the state.
  poller_.CachedEnabled = !screenSaver_.GetScreenSaverState();
  settings_.LoadRunEntryState();
  platform_.forms.SetCaption(SettingsControl::Title,
                             TitleWithVersion(kTitleCaption, kVersionMajor, kVersionMinor));
  settings_.LoadClickMethod();
  tmrSSCheck_.SetEnabled(true);
}

bool FrmSettings::QueryUnload(int unloadReason) {
  if (CloseRequestCancels(unloadReason)) {
    platform_.forms.HideMainWindow();
    return true;
  }
  timedDisable_.OnMainUnload();
  trayIcon_.DeleteTrayIcon();
  settings_.SaveClickMethod();
  return false;
}

void FrmSettings::Unload() { UnloadFor(kUnloadFormCode); }

void FrmSettings::EndSession() { UnloadFor(kUnloadAppWindows); }

// The window's timers stop with it; the message loop ends once it is gone.
void FrmSettings::UnloadFor(int unloadReason) {
  if (QueryUnload(unloadReason)) return;
  tmrSSCheck_.SetEnabled(false);
  tmrSSTimedDisable_.SetEnabled(false);
  platform_.forms.DestroyMainWindow();
}

void FrmSettings::OnSSCheckTimer() { poller_.Tick(); }

void FrmSettings::OnSSTimedDisableTimer() { timedDisable_.Tick(); }

void FrmSettings::OnTaskbarCreated() { trayIcon_.RestoreTrayIcon(); }

void FrmSettings::OnWindowsStartClick() { settings_.UpdateRunEntry(); }

void FrmSettings::OnTrayCallback(std::int32_t lParam) {
  TrayCallbackMessage = TrayMessageNumber(lParam);
  // Events that arrive while one is handled (from the popup's or a dialog's
  // message loop) are dropped.
  if (TrayCallbackBusy) return;
  TrayCallbackBusy = true;
  switch (DecodeTrayMessage(TrayCallbackMessage)) {
    case TrayAction::ToggleOnSingleClick:
      ToggleWithMethod(kMethodSingleClick);
      break;
    case TrayAction::ToggleOnDoubleClick:
      ToggleWithMethod(kMethodDoubleClick);
      break;
    case TrayAction::Popup:
      ShowPopupMenu();
      break;
    case TrayAction::None:
      break;
  }
  TrayCallbackBusy = false;
}

// Switches to the opposite of what the icon shows; the poller redraws it.
void FrmSettings::ToggleWithMethod(int method) {
  if (tmrSSTimedDisable_.Enabled()) return;
  if (platform_.forms.ListIndex(SettingsControl::Method) != method) return;
  screenSaver_.SetScreenSaverState(!poller_.CachedEnabled, false);
}

void FrmSettings::ShowPopupMenu() {
  platform_.forms.BringToForeground(platform_.forms.MainWindow());
  const int command = platform_.forms.TrackPopupMenu(kPopupFlags);
  if (command != 0) OnMenuCommand(command);
}

void FrmSettings::OnMenuCommand(int commandId) {
  switch (static_cast<MenuItem>(commandId)) {
    case MenuItem::StartSS:
      screenSaver_.StartScreenSaver();
      break;
    case MenuItem::ConfigureSS:
      screenSaver_.OpenScreenSaverConfiguration();
      break;
    case MenuItem::SelectSS:
      screenSaver_.OpenScreenSaverSelection();
      break;
    case MenuItem::TimedDisable:
      timedDisable_.OnMenuClick();
      break;
    case MenuItem::Configure:
      platform_.forms.ShowMainWindow();
      break;
    case MenuItem::Exit:
      Unload();
      break;
  }
}

}  // namespace bw
