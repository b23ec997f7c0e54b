// The program: it owns the parts that run in the background (the tray icon,
// the status poller, the countdown, the settings) and the logic of its
// windows, answers their events, and keeps the icon and the timers in step
// with the countdown.
#pragma once

#include "app/display_keeper.h"
#include "app/settings.h"
#include "app/timers.h"
#include "hold/hold_note.h"
#include "hold/program_watch.h"
#include "ports/platform.h"
#include "ports/timer.h"
#include "screensaver/screen_saver.h"
#include "timed/countdown.h"
#include "timed/span_note.h"
#include "timed/timed_disable_dialog.h"
#include "tray/status_poller.h"
#include "tray/tray_icon.h"

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
  SettingsView View() const;
  void Toggle(ClickMethod method);
  void OnKeySelect(std::uint32_t sentAt);
  void ShowPopupMenu(bool fromKeyboard);
  void ResumeNotedSpan();
  void ShowCountdown();
  void OnCountdownTick();
  // The user's "Enable Screen Saver" sets a hold aside; the span's own end
  // hands the screen saver over to it.
  void EndTimedDisable(bool byUser);
  void FollowDisplay();
  void Shutdown();
  // Stepping in by itself while a listed program runs or a window is in full
  // screen: the hold.
  void FollowSettings();
  void ResumeNotedHold();
  void Watch();
  void JudgeForeground();
  void FollowHold();
  void EndHold(bool switchBack);
  void Refresh();
  void ShowDisplayHint();
  void OnBalloonShown();
  void AddProgram();
  void RemoveProgram();

  Platform& platform_;
  ScreenSaver screenSaver_;
  TrayIcon trayIcon_;
  StatusPoller poller_;
  Countdown countdown_;
  TimedDisableDialog timedDialog_;
  SpanNote spanNote_;
  Settings settings_;
  DisplayKeeper displayKeeper_;
  Timer pollTimer_;
  Timer countdownTimer_;
  ProgramWatch programWatch_;
  HoldNote holdNote_;
  // Programs are listed, or full screen counts: windows are reported.
  bool watching_ = false;
  bool fullScreen_ = false;     // the foreground window fills its monitor, as last judged
  std::uint32_t lastLook_ = 0;  // clock milliseconds
  // Until then (clock milliseconds), each poll judges the foreground again.
  std::uint32_t judgeUntil_ = 0;
  // The hold is in force: it switches the screen saver off whoever switches it on.
  bool holding_ = false;
  // The screen saver was on when the hold began (or a span ended under it):
  // the hold's end switches it back on. A policy suspends the duty, and the
  // note that goes with it, without ending it.
  bool switchBack_ = false;
  // The user switched the screen saver during a hold: none begins again until
  // every reason has ended.
  bool setAside_ = false;
  std::string heldFor_;  // the program the tip names; empty for full screen
  std::string heldTip_;
  int programSelection_ = -1;  // the line selected in the settings window's list
  // The balloon about the power plan, once per user: asked for, and seen.
  bool hintAsked_ = false, hintShown_ = false;
  // A tray event is being handled: events that arrive meanwhile, from the
  // popup's or the dialog's message loop, are dropped.
  bool trayBusy_ = false;
  bool dialogOpen_ = false;
  // The mouse's menu request comes at once after its right button's release;
  // the keyboard's comes alone.
  bool rightButtonReleased_ = false;
  std::uint32_t lastMessage_ = 0;  // when the shell sent the last callback
  // When the shell sent the last Enter or Space on the icon, on the system's clock.
  bool keySelected_ = false;
  std::uint32_t lastKeySelect_ = 0;
  // Two callbacks sent within this belong to one press or one click.
  static constexpr std::uint32_t kKeyPressMs = 500;
};

}  // namespace bw
