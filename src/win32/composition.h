// The running program as one object: every port of the system, the windows,
// and the program's logic, wired to each other. The entry point builds one;
// so do the tests that check the wiring.
#pragma once

#include "app/app.h"
#include "win32/locale.h"
#include "win32/main_window.h"
#include "win32/power.h"
#include "win32/programs.h"
#include "win32/registry.h"
#include "win32/settings_window.h"
#include "win32/shell.h"
#include "win32/sound.h"
#include "win32/system.h"
#include "win32/timed_dialog_window.h"
#include "win32/tray_window.h"

namespace bw::win32 {

// The members are declared in the order they are built; the program goes
// first, before its windows and ports.
struct Composition {
  Composition();

  // Builds the windows, hands the shell its callback window, and starts the
  // program: the icon shows; then other copies' commands are taken. False,
  // with nothing started, when a window could not be made: the program could
  // then not be reached or closed.
  bool Start();

  System system;
  Locale locale;
  Registry registry;
  Shell shell;
  Power power;
  Programs programs;
  MainWindow mainWindow;
  Sound sound{programs};
  SettingsWindow settingsWindow;
  TrayWindow trayWindow;
  TimedDialogWindow timedDialog{settingsWindow};
  Platform platform;
  App app;
};

}  // namespace bw::win32
