// The program: it composes the parts (the tray icon and its input, the timed
// disable and its dialog, the hold, the settings and their window, the hint
// and the display) and routes each event to them. It works out what the icon
// must say once for each change; the icon and the display follow.
#pragma once

#include "app/display_keeper.h"
#include "hold/hold.h"
#include "ports/platform.h"
#include "screensaver/screen_saver.h"
#include "settings/settings_window.h"
#include "timed/timed_disable.h"
#include "timed/timed_disable_dialog.h"
#include "tray/display_hint.h"
#include "tray/popup_menu.h"
#include "tray/status.h"
#include "tray/tray_icon.h"
#include "tray/tray_input.h"

namespace bw {

class App final : public TrayEvents,
                  public TimerEvents,
                  public SystemEvents,
                  public SettingsEvents,
                  public ProgramEvents {
 public:
  explicit App(Platform& platform);
  // Out of line: MinGW puts an inline one's thunks for each base in one
  // section per file, which the linker then finds twice.
  ~App() override;

  // Once the windows exist: the icon, the settings, a span or a hold an
  // earlier copy left running, then the poll.
  void Start();
  // The timed-disable dialog's window reports to its logic.
  TimedDialogEvents& timedDialogEvents() { return timedDialog_; }

  void OnTrayMessage(int message, std::uint32_t sentAt) override;
  void OnTaskbarCreated() override { trayIcon_.Restore(); }
  void OnTimer(TimerId id) override;
  void OnPolicyChanged() override;
  void OnEndSession() override { Shutdown(); }
  void OnSettingChanged(int controlId, int value) override;
  void OnSettingsButton(int controlId) override;
  void OnSettingsClosed() override { settingsWindow_.Hide(); }
  void OnWindowShown(std::uint32_t processId, std::uint32_t threadId) override;
  void OnForegroundChanged() override;
  void OnProcessEnded(std::uint32_t processId) override;
  // A command of the popup menu, chosen while the menu showed a span running
  // or not.
  void OnMenuCommand(MenuCommand command, bool spanShown);

 private:
  void Toggle(ClickMethod method);
  void ShowPopupMenu(bool fromKeyboard);
  void BeginTimedDisable(const SpanRequest& request);
  void OnCountdownTick();
  void EndTimedDisable(bool byUser);
  void Shutdown();
  void FollowSettings();
  void Apply(HoldChange change);
  void Refresh();
  void Show(const Status& status);
  void ShowDisplayHint();
  bool KeepDisplayOn() const { return settings_.Value(kIdKeepDisplayOn) != 0; }

  Platform& platform_;
  ScreenSaver screenSaver_;
  TrayIcon trayIcon_;
  TrayInput trayInput_;
  DisplayHint displayHint_;
  TimedDisable timedDisable_;
  TimedDisableDialog timedDialog_;
  Settings settings_;
  SettingsWindow settingsWindow_;
  DisplayKeeper displayKeeper_;
  Timer pollTimer_;
  Hold hold_;
  // A tray event is being handled: events that arrive meanwhile, from the
  // popup's or the dialog's message loop, are dropped.
  bool trayBusy_ = false;
};

}  // namespace bw
