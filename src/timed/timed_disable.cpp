#include "timed/timed_disable.h"

#include "timed/countdown_text.h"
#include "tray/popup_menu.h"

namespace bw {
namespace {

// `imgStatus(2)`: the picture the tray shows while a timed disable runs.
constexpr int kTimedDisablePicture = static_cast<int>(TrayPicture::TimedDisable);

}  // namespace

void TimedDisable::BeginTimedDisable() {
  tmrSSCheck_.SetEnabled(false);
  tmrSSTimedDisable_.SetEnabled(true);
  forms_.SetMenuItemCaption(MenuItem::TimedDisable, kEnableCaption);
  forms_.SetMenuItemEnabled(MenuItem::StartSS, false);
  trayIcon_.SetTrayPicture(kTimedDisablePicture);
  // The tip keeps the last status text until the first tick replaces it.
  trayIcon_.ModifyTrayIcon();
}

void TimedDisable::Tick() {
  // A tick already queued when the countdown ended must not switch the
  // screen saver off again.
  if (!Running()) return;
  // Switched off every second, whatever has switched it on meanwhile.
  screenSaver_.SetScreenSaverState(false, false);
  CountdownSplit split = SplitSecondsLeft(SecondsLeft);
  DisableHours = split.hours;
  DisableMinutes = split.minutes;
  trayIcon_.SetTrayTip(CountdownTip(SecondsLeft, split).view());
  trayIcon_.ModifyTrayIcon();
  --SecondsLeft;
  // Ends at 0; a counter started at 0 or below would otherwise never end.
  if (SecondsLeft > 0) return;
  EndTimedDisable();
  // EndTimedDisable has just switched it on, so the start request finds it active.
  if (StartOnExpire) screenSaver_.StartScreenSaver();
}

void TimedDisable::EndTimedDisable() {
  tmrSSTimedDisable_.SetEnabled(false);
  screenSaver_.SetScreenSaverState(true, false);
  // The icon still shows the countdown: the poller's next tick finds the
  // screen saver on while it believes it off, and redraws the tray.
  poller_.CachedEnabled = false;
  tmrSSCheck_.SetEnabled(true);
  forms_.SetMenuItemEnabled(MenuItem::StartSS, true);
  forms_.SetMenuItemCaption(MenuItem::TimedDisable, kTimedDisableCaption);
}

void TimedDisable::OnMenuClick() {
  // Ended from the menu, a timed disable never starts the screen saver.
  if (Running()) {
    EndTimedDisable();
    return;
  }
  if (dialogHost_ != nullptr) dialogHost_->ShowTimedDisableDialog();
}

void TimedDisable::OnMainUnload() {
  // Left off, the screen saver would stay off for the rest of the logon and
  // the machine would never lock: the chosen span would become unlimited.
  if (!Running()) return;
  tmrSSTimedDisable_.SetEnabled(false);
  screenSaver_.SetScreenSaverState(true, false);
}

}  // namespace bw
