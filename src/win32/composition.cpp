#include "win32/composition.h"

namespace bw::win32 {

Composition::Composition()
    : platform{system,     system,     locale,         system,      system,
               registry,   shell,      power,          programs,    trayWindow,
               trayWindow, trayWindow, settingsWindow, timedDialog, sound},
      app(platform) {
  programs.SetEvents(app);
  sound.SetEvents(app);
}

bool Composition::Start() {
  if (!settingsWindow.Create(app, app, app) ||
      !trayWindow.Create(settingsWindow.hwnd(), app, app)) {
    return false;
  }
  shell.SetCallbackWindow(trayWindow.hwnd());
  app.Start();
  settingsWindow.TakeCommands(app.commands());
  return true;
}

}  // namespace bw::win32
