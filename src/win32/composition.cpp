#include "win32/composition.h"

namespace bw::win32 {

Composition::Composition()
    : platform{system,     system,         locale,      system,     system,     registry,
               shell,      power,          programs,    mainWindow, mainWindow, trayWindow,
               mainWindow, settingsWindow, timedDialog, sound},
      app(platform) {
  programs.SetEvents(app);
  sound.SetEvents(app);
}

bool Composition::Start() {
  if (!mainWindow.Create(app, app, app) || !trayWindow.Create(mainWindow.hwnd(), app) ||
      !settingsWindow.Create(mainWindow.hwnd(), app)) {
    return false;
  }
  shell.SetCallbackWindow(trayWindow.hwnd());
  app.Start();
  mainWindow.TakeCommands(app.commands());
  return true;
}

}  // namespace bw::win32
