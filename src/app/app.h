// The program: it owns the parts that run in the background (the tray icon,
// the status poller, the countdown, the settings) and answers the events of
// its windows.
#pragma once

#include "app/settings.h"
#include "platform/ui.h"
#include "screensaver/screen_saver.h"
#include "timed/countdown.h"
#include "tray/status_poller.h"
#include "tray/tray_icon.h"

namespace bw {

class App final : public AppEvents {
 public:
  explicit App(Platform& platform);

  // Once the hidden window exists: the icon, the settings, then the poller.
  void Start();

  void OnCloseRequest(CloseReason reason) override;
  void OnTimer(TimerId timer) override;
  void OnTrayMessage(int mouseMessage) override;
  void OnTaskbarCreated() override;
  void OnSettingChanged(int controlId, int value) override;

  // A command of the popup menu.
  void OnMenuCommand(int commandId);

  Countdown& countdown() { return countdown_; }

 private:
  SettingsView View() const;
  void Toggle(int method);
  void ShowPopupMenu();
  void Shutdown();

  Platform& platform_;
  ScreenSaver screenSaver_;
  TrayIcon trayIcon_;
  StatusPoller poller_;
  Timer pollTimer_;
  Countdown countdown_;
  Settings settings_;
  // A tray event is being handled: events that arrive meanwhile, from the
  // popup's or the dialog's message loop, are dropped.
  bool trayBusy_ = false;
};

}  // namespace bw
