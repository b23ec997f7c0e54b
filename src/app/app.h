// The program: it owns the parts that run in the background (the tray icon,
// the status poller, the countdown, the settings) and the logic of its
// windows, answers their events, and keeps the icon and the timers in step
// with the countdown.
#pragma once

#include "app/display_keeper.h"
#include "hold/hold.h"
#include "ports/platform.h"
#include "ports/timer.h"
#include "screensaver/screen_saver.h"
#include "settings/settings_window.h"
#include "timed/countdown.h"
#include "timed/span_note.h"
#include "timed/timed_disable_dialog.h"
#include "tray/display_hint.h"
#include "tray/status_poller.h"
#include "tray/tray_icon.h"
#include "tray/tray_input.h"

namespace bw {

class App final : public AppEvents {
 public:
  explicit App(Platform& platform);

  // Once the hidden window exists: the icon, the settings, a span an
  // earlier copy left running, then the poller.
  void Start();

  void OnCloseRequest(CloseReason reason) override;
  void OnTimer(int timerId) override;
  void OnTrayMessage(int message, std::uint32_t sentAt) override;
  void OnTaskbarCreated() override;
  void OnPolicyChanged() override;
  void OnSettingChanged(int controlId, int value) override;
  void OnSettingsButton(int controlId) override;
  void OnWindowShown(std::uint32_t processId, std::uint32_t threadId) override;
  void OnForegroundChanged() override;
  void OnProcessEnded(std::uint32_t processId) override;
  void OnTimedDialogShown() override;
  bool OnSpanFieldKey(SpanField field, int keyCode, int upDownValue) override;
  void OnSpanUpDown(SpanField field) override;
  void OnTimedDialogOk(std::string_view hoursText, std::string_view minutesText,
                       bool startWhenDone) override;
  void OnTimedDialogCancel() override;

 private:
  void OnMenuCommand(int command, bool spanShown);
  void BeginTimedDisable(Span span, bool startWhenDone);
  void Toggle(ClickMethod method);
  void ShowPopupMenu(bool fromKeyboard);
  void ResumeNotedSpan();
  void ShowCountdown();
  void OnCountdownTick();
  // The user's "Enable Screen Saver" sets a hold aside; the span's own end
  // hands the screen saver over to it.
  void EndTimedDisable(bool byUser);
  void FollowDisplay();
  void Shutdown();
  void FollowSettings();
  void Apply(HoldChange change = {});
  void Refresh();
  void ShowDisplayHint();

  Platform& platform_;
  ScreenSaver screenSaver_;
  TrayIcon trayIcon_;
  TrayInput trayInput_;
  StatusPoller poller_;
  DisplayHint displayHint_;
  Countdown countdown_;
  TimedDisableDialog timedDialog_;
  SpanNote spanNote_;
  Settings settings_;
  SettingsWindow settingsWindow_;
  DisplayKeeper displayKeeper_;
  Timer pollTimer_;
  Timer countdownTimer_;
  Hold hold_;
  // A tray event is being handled: events that arrive meanwhile, from the
  // popup's or the dialog's message loop, are dropped.
  bool trayBusy_ = false;
  bool dialogOpen_ = false;
};

}  // namespace bw
