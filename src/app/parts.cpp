#include "app/parts.h"

namespace bw {

Parts::Parts(Platform& platform)
    : platform(platform),
      screenSaver(platform.screenSaver, platform.launcher, platform.registry),
      trayIcon(platform.shell, platform.clock),
      displayHint(platform.shell, platform.registry, platform.clock, screenSaver),
      timedDisable(screenSaver, platform.clock, platform.registry, platform.session,
                   platform.timers),
      timedDialog(platform.timedDialog, platform.timers, platform.clock, timedDisable.countdown()),
      settings(platform.registry, platform.session, platform.hotkeys),
      settingsPresenter(platform.settingsWindow, platform.programs, platform.sound,
                        platform.session, platform.locale, settings),
      displayKeeper(platform.power),
      pollTimer(platform.timers, TimerId::Poll, kPollIntervalMs),
      displayOff(platform.timers, TimerId::DisplayOff, kDisplayOffDelayMs),
      programWatch(platform.programs),
      fullScreenWatch(platform.programs),
      hoursWatch(platform.clock, platform.locale, platform.timers),
      soundWatch(platform.sound, platform.clock, platform.timers),
      hold(screenSaver, platform.programs, platform.clock, platform.registry, platform.session,
           platform.power, reasons) {}

void Parts::FollowSettings() {
  if (!hold.ended()) {
    programWatch.SetList(settings.programs());
    fullScreenWatch.Count(settings.Value(kIdFullScreen) != 0);
    hoursWatch.Set(settings.hours());
    soundWatch.Count(settings.Value(kIdWhileSound) != 0);
    hold.Listen();
  }
  hold.FollowPower(settings.Value(kIdMainsOnly) != 0);
}

}  // namespace bw
