// The main form `frmSettings`: the hidden host of the tray icon, the poller and
// the countdown, and the settings window the user opens from the tray menu.
// platform/win32 owns the window and calls these handlers for its events.
#pragma once

#include <cstdint>

#include "app/settings.h"
#include "platform/forms.h"
#include "screensaver/screen_saver.h"
#include "timed/timed_disable.h"
#include "tray/status_poller.h"
#include "tray/tray_icon.h"

namespace bw {

// Why the main form is asked to close.
enum UnloadReason : int {
  kUnloadFormControlMenu = 0,  // close box, system menu, Alt+F4
  kUnloadFormCode = 1,         // the program's own unload ("Exit")
  kUnloadAppWindows = 2,       // Windows is ending the logon
  kUnloadAppTaskManager = 3,   // the Task Manager closes the program
  kUnloadFormMDIForm = 4,      // a multiple-document parent is closing
  kUnloadFormOwner = 5,        // the owner window is closing
};

// True when a close request for this reason is refused (the window only hides).
bool CloseRequestCancels(int unloadReason);

class FrmSettings {
 public:
  explicit FrmSettings(Platform& platform);

  // The load handler: runs once, right after the window and its controls exist.
  void Load();
  // The close-request handler; returns the cancel flag.
  bool QueryUnload(int unloadReason);
  // The program's own unload ("Exit"): ends the program unless refused.
  void Unload();
  // The end of the Windows logon: the form unloads for good.
  void EndSession();

  // Timer events.
  void OnSSCheckTimer();
  void OnSSTimedDisableTimer();

  // The shell's callback on `picStatusOutput`; lParam is the mouse message.
  void OnTrayCallback(std::int32_t lParam);
  // Explorer (re)created the notification area: show the icon again.
  void OnTaskbarCreated();
  // The user clicked `chkWindowsStart` (its value has already changed).
  void OnWindowsStartClick();
  // A command of the popup menu `mnuOptions`.
  void OnMenuCommand(int commandId);

  ScreenSaver& screenSaver() { return screenSaver_; }
  TrayIcon& trayIcon() { return trayIcon_; }
  StatusPoller& poller() { return poller_; }
  Timer& tmrSSCheck() { return tmrSSCheck_; }
  Timer& tmrSSTimedDisable() { return tmrSSTimedDisable_; }
  Settings& settings() { return settings_; }
  TimedDisable& timedDisable() { return timedDisable_; }

  // The tray handler's memory between events.
  bool TrayCallbackBusy = false;         // an event is being handled
  std::int32_t TrayCallbackMessage = 0;  // the latest message, dropped or not

 private:
  void UnloadFor(int unloadReason);
  void ToggleWithMethod(int method);
  void ShowPopupMenu();

  Platform& platform_;
  ScreenSaver screenSaver_;
  TrayIcon trayIcon_;
  StatusPoller poller_;
  Timer tmrSSCheck_;
  Timer tmrSSTimedDisable_;
  Settings settings_;
  TimedDisable timedDisable_;
};

}  // namespace bw
