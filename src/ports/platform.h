// Everything of the system the program uses, handed to it at start-up.
#pragma once

#include "ports/clock.h"
#include "ports/hotkey.h"
#include "ports/launcher.h"
#include "ports/locale.h"
#include "ports/power.h"
#include "ports/programs.h"
#include "ports/registry.h"
#include "ports/screen_saver.h"
#include "ports/session.h"
#include "ports/settings_window.h"
#include "ports/shell.h"
#include "ports/timed_dialog.h"
#include "ports/timer.h"
#include "ports/tray_window.h"

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
  TimerPort& timers;
  TrayWindowPort& trayWindow;
  HotkeyPort& hotkeys;
  SettingsWindowPort& settingsWindow;
  TimedDialogView& timedDialog;
};

}  // namespace bw
