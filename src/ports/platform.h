// Everything of the system the program uses, handed to it at start-up.
#pragma once

#include "ports/clock.h"
#include "ports/hotkey.h"
#include "ports/launcher.h"
#include "ports/locale_port.h"
#include "ports/main_window_port.h"
#include "ports/power_port.h"
#include "ports/programs_port.h"
#include "ports/registry_port.h"
#include "ports/screen_saver_port.h"
#include "ports/session.h"
#include "ports/settings_window_port.h"
#include "ports/shell_port.h"
#include "ports/sound_port.h"
#include "ports/timed_dialog.h"
#include "ports/timer.h"
#include "ports/tray_window_port.h"

namespace bw {

struct Platform {
  ScreenSaverPort& screenSaver;
  ClockPort& clock;
  LocalePort& locale;
  SessionPort& session;
  LauncherPort& launcher;
  RegistryPort& registry;
  ShellPort& shell;
  PowerPort& power;
  ProgramsPort& programs;
  MainWindowPort& mainWindow;
  TimerPort& timers;
  TrayWindowPort& trayWindow;
  HotkeyPort& hotkeys;
  SettingsWindowPort& settingsWindow;
  TimedDialogView& timedDialog;
  SoundPort& sound;
};

}  // namespace bw
