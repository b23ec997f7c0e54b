// The program's entry point: one copy per logon, the platform objects, the
// program, its window, and the message loop.
#include <windows.h>

#include "app/app.h"
#include "version_info.h"
#include "win32/handles.h"
#include "win32/main_window.h"
#include "win32/power.h"
#include "win32/programs.h"
#include "win32/registry.h"
#include "win32/shell.h"
#include "win32/system.h"
#include "win32/timed_dialog_window.h"

namespace {

// Named in the logon session's namespace: one copy per logged-on user.
constexpr const char* kInstanceMutexName = BLINKWARD_NAME ".SingleInstance";

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // Before anything else: a second copy ends here without touching a window,
  // the tray or the registry. The mutex lives as long as this copy runs. A
  // mutex that exists but may not be opened (a copy started as administrator)
  // is a running copy too.
  const bw::win32::UniqueKernelHandle instanceMutex(
      CreateMutexA(nullptr, FALSE, kInstanceMutexName));
  const DWORD created = GetLastError();
  if (created == ERROR_ALREADY_EXISTS || (!instanceMutex && created == ERROR_ACCESS_DENIED)) {
    return 0;
  }

  bw::win32::System system;
  bw::win32::Registry registry;
  bw::win32::Shell shell;
  bw::win32::Power power;
  bw::win32::Programs programs;
  bw::win32::MainWindow window;
  bw::win32::TimedDialogWindow dialog(window);
  bw::Platform platform{system, system, system,   system, registry,
                        shell,  power,  programs, window, dialog};
  bw::App app(platform);
  programs.SetEvents(app);

  // Without its window the program could not be reached or closed: give up.
  if (!window.Create(app, dialog)) return 1;
  shell.SetCallbackWindow(window.TrayCallbackWindow());
  app.Start();
  bw::win32::RunMessageLoop(window.hwnd(), nullptr);
  return 0;
}
