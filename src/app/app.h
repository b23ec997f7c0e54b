// The program: it composes the parts (the tray icon and its input, the
// status poller, the timed disable and its dialog, the hold, the settings and
// their window) and routes each event to them, applying what changed: the
// icon, the hint and the display follow.
#pragma once

#include "app/display_keeper.h"
#include "hold/hold.h"
#include "ports/platform.h"
#include "ports/timer.h"
#include "screensaver/screen_saver.h"
#include "settings/settings_window.h"
#include "timed/timed_disable.h"
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
  void OnTaskbarCreated() override { trayIcon_.Restore(); }
  void OnPolicyChanged() override;
  void OnSettingChanged(int controlId, int value) override;
  void OnSettingsButton(int controlId) override;
  void OnWindowShown(std::uint32_t processId, std::uint32_t threadId) override;
  void OnForegroundChanged() override;
  void OnProcessEnded(std::uint32_t processId) override;
  // The timed-disable dialog's events are its logic's; OK may begin a span.
  void OnTimedDialogShown() override { timedDialog_.Load(); }
  bool OnSpanFieldKey(SpanField field, int keyCode, int upDownValue) override {
    return timedDialog_.OnFieldKeyDown(field, keyCode, upDownValue);
  }
  void OnSpanUpDown(SpanField field) override { timedDialog_.OnUpDownClicked(field); }
  void OnTimedDialogOk(std::string_view hoursText, std::string_view minutesText,
                       bool startWhenDone) override;
  void OnTimedDialogCancel() override { timedDialog_.OnCancel(); }

 private:
  void OnMenuCommand(int command, bool spanShown);
  void BeginTimedDisable(Span span, bool startWhenDone);
  void Toggle(ClickMethod method);
  void ShowPopupMenu(bool fromKeyboard);
  void ShowCountdown();
  void OnCountdownTick();
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
  bool dialogOpen_ = false;
};

}  // namespace bw
