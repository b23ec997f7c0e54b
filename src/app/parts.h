// The program's parts, each built once over the platform's ports: `App`
// routes the events to them, `UserActions` acts on them for the user.
#pragma once

#include "app/display_keeper.h"
#include "hold/full_screen_watch.h"
#include "hold/hold.h"
#include "hold/hours_watch.h"
#include "hold/program_watch.h"
#include "hold/sound_watch.h"
#include "ports/platform.h"
#include "screensaver/screen_saver.h"
#include "settings/settings_presenter.h"
#include "timed/timed_disable.h"
#include "timed/timed_disable_dialog.h"
#include "tray/display_hint.h"
#include "tray/status.h"
#include "tray/tray_icon.h"
#include "tray/tray_input.h"

namespace bw {

// The pause before the display goes off: the click or key that asked for it
// would otherwise wake it again at once.
inline constexpr int kDisplayOffDelayMs = 500;

struct Parts {
  explicit Parts(Platform& platform);
  // The reasons follow the user's choices, none after the program's end.
  void FollowSettings();

  Platform& platform;
  ScreenSaver screenSaver;
  TrayIcon trayIcon;
  TrayInput trayInput;
  DisplayHint displayHint;
  TimedDisable timedDisable;
  TimedDisableDialog timedDialog;
  Settings settings;
  SettingsPresenter settingsPresenter;
  DisplayKeeper displayKeeper;
  Timer pollTimer;
  Timer displayOff;
  // The hold's reasons, and their rank: the tip names the first that holds.
  ProgramWatch programWatch;
  FullScreenWatch fullScreenWatch;
  HoursWatch hoursWatch;
  SoundWatch soundWatch;
  Reason* const reasons[4]{&programWatch, &fullScreenWatch, &hoursWatch, &soundWatch};
  Hold hold;
};

}  // namespace bw
