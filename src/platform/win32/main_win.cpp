// The program's entry point: one copy per logon, the platform objects, the main
// form, and the message loop.
// commctrl.h needs the types of windows.h.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include "app/frm_settings.h"
#include "app/settings_layout.h"
#include "platform/win32/handles_win.h"
#include "platform/win32/main_form_win.h"
#include "platform/win32/registry_win.h"
#include "platform/win32/shell_win.h"
#include "platform/win32/system_win.h"
#include "platform/win32/timed_dialog_win.h"

namespace {

// Named in the logon session's namespace: one copy per logged-on user.
constexpr const char* kInstanceMutexName = "Blinkward.SingleInstance";

// Hands the main window's events to the main form's handlers.
class FrmSettingsEvents final : public bw::win32::MainFormEvents {
 public:
  FrmSettingsEvents(bw::FrmSettings& form, bw::win32::TimedDialogWin& frmTimedDisable)
      : form_(form), frmTimedDisable_(frmTimedDisable) {}

  bool QueryUnload(int unloadReason) override { return form_.QueryUnload(unloadReason); }
  // An open dialog closes first (as Cancel), so its modal loop ends once the
  // main form has unloaded and the program's own loop finds the quit.
  void EndSession() override {
    frmTimedDisable_.EndSession();
    form_.EndSession();
  }
  void Timer(bw::TimerId timer) override {
    switch (timer) {
      case bw::TimerId::SSCheck:
        form_.OnSSCheckTimer();
        break;
      case bw::TimerId::SSTimedDisable:
        form_.OnSSTimedDisableTimer();
        break;
      case bw::TimerId::AnimClock:
        break;  // ticks on the timed-disable dialog, not on this window
    }
  }
  void TrayCallback(std::int32_t lParam) override { form_.OnTrayCallback(lParam); }
  void TaskbarCreated() override { form_.OnTaskbarCreated(); }
  void WindowsStartClick() override { form_.OnWindowsStartClick(); }

 private:
  bw::FrmSettings& form_;
  bw::win32::TimedDialogWin& frmTimedDisable_;
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // Before anything else: a second copy ends here without touching a window,
  // the tray or the registry. The mutex lives as long as this copy runs.
  const bw::win32::UniqueKernelHandle instanceMutex(
      CreateMutexA(nullptr, FALSE, kInstanceMutexName));
  if (GetLastError() == ERROR_ALREADY_EXISTS) return 0;

  InitCommonControls();

  // Task list: the only top-level window is the main form, created hidden and
  // unowned. Hidden, it is listed nowhere (no taskbar button, no Alt+Tab
  // entry); shown as the settings window, it is listed like any window the user
  // works in. There is no separate application window to keep out of the list.
  bw::win32::SystemWin system;
  bw::win32::RegistryWin registry;
  bw::win32::ShellWin shell;
  bw::win32::MainFormWin forms;
  bw::Platform platform{system, registry, shell, forms};
  bw::FrmSettings frmSettings(platform);
  // Owned by the main form; its window is built at each opening.
  bw::win32::TimedDialogWin frmTimedDisable(frmSettings.timedDisable(), forms);
  frmSettings.timedDisable().SetDialogHost(frmTimedDisable);
  FrmSettingsEvents events(frmSettings, frmTimedDisable);

  // Without its window the program could not be reached or closed: give up.
  if (!forms.Create(bw::SettingsForm(), events)) return 1;
  frmSettings.Load();
  bw::win32::RunMessageLoop(forms.hwnd());
  return 0;
}
