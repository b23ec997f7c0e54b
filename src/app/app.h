// The program: it composes the parts (the tray icon and its input, the timed
// disable and its dialog, the hold, the settings and their window, the hint
// and the display) and routes each event to them. It works out what the icon
// must say once for each change; the icon and the display follow.
#pragma once

#include "app/command_desk.h"
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
  ~App() override;  // out of line: MinGW's linker finds an inline one's thunks twice

  // Once the windows exist: the icon, the settings, a span or a hold an
  // earlier copy left running, then the poll.
  void Start();

  void OnTrayMessage(int message, std::uint32_t sentAt) override {
    Act(trayInput_.Take(message, sentAt, trayIcon_.keyboardCallbacks(), settings_.clickMethod()));
  }
  void OnTaskbarCreated() override { trayIcon_.Restore(); }
  // The shortcut acts as the chosen click does.
  void OnHotkey(bool repeat) override {
    if (!repeat) Act(TrayAction::Toggle);
  }
  void OnTimer(TimerId id) override;
  void OnPolicyChanged() override;
  void OnEndSession() override { Shutdown(); }
  void OnTimeChanged() override { Refresh(hold_.JudgeHours(SpanRuns())); }
  void OnPowerSourceChanged() override { Follow(SettingsChange::Power); }
  void OnSettingChanged(int controlId, int value) override {
    Follow(settingsWindow_.OnChanged(controlId, value));
  }
  void OnSettingsButton(int controlId) override { Follow(settingsWindow_.OnButton(controlId)); }
  void OnSettingsClosed() override { settingsWindow_.Hide(); }
  void OnWindowShown(std::uint32_t processId, std::uint32_t threadId) override {
    Refresh(hold_.OnWindowShown(processId, threadId, SpanRuns()));
  }
  void OnForegroundChanged() override { Refresh(hold_.OnForegroundChanged(SpanRuns())); }
  void OnProcessEnded(std::uint32_t processId) override {
    Refresh(hold_.OnProcessEnded(processId, SpanRuns()));
  }
  // A popup menu's command, chosen while the menu showed a span or none.
  void OnMenuCommand(MenuCommand command, bool spanShown);
  CommandEvents& commands() { return commands_; }

 private:
  friend class CommandDesk;
  void Act(TrayAction action);
  void Toggle();
  bool SwitchTo(bool on, bool enabled);
  void ShowPopupMenu(bool fromKeyboard);
  void BeginTimedDisable(const SpanRequest& request);
  void OnCountdownTick();
  void EndTimedDisable(bool byUser);
  void Shutdown();
  void FollowSettings();
  void Follow(SettingsChange change);
  void Apply(HoldChange change);
  void Refresh() { Refresh(hold_.Follow(SpanRuns())); }
  void Refresh(HoldChange change);
  bool SpanRuns() const { return timedDisable_.Running(); }
  void Show(const Status& status);
  void ShowDisplayHint() { displayHint_.Show(KeepDisplayOn()); }
  // Not on battery where only mains power counts.
  bool KeepDisplayOn() const { return settings_.Value(kIdKeepDisplayOn) != 0 && !hold_.resting(); }

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
  CommandDesk commands_{*this};
  // A tray event is being handled: events that arrive meanwhile, from the
  // popup's or the dialog's message loop, are dropped.
  bool trayBusy_ = false;
};

}  // namespace bw
