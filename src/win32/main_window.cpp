#include "win32/main_window.h"

#include "command/integrity.h"
#include "win32/command_channel.h"
#include "win32/diagnostics.h"

namespace bw::win32 {
namespace {

// A caller that waits in its send takes its line at once; one that does not
// is given up on after this, so that it holds up neither the ticks nor the
// next caller.
constexpr UINT kAnswerWaitMs = 250;

// Windows 7 on sends no repeats of a shortcut held down; older ones ignore
// it. MinGW declares it for Windows 7 targets only.
constexpr UINT kNoRepeat = 0x4000;
// While the shortcut's key is down, it is looked at this often for its
// release, a timer apart from the program's own.
constexpr UINT_PTR kKeyWatchTimer = 100;
constexpr UINT kKeyWatchMs = 30;

// What MinGW declares for Vista targets only: the session's changes, and a
// power setting's (POWERBROADCAST_SETTING), the lid's among them.
constexpr UINT kSessionChange = 0x02B1;  // WM_WTSSESSION_CHANGE
constexpr WPARAM kSessionLock = 7, kSessionUnlock = 8;
constexpr WPARAM kPowerSettingChange = 0x8013;  // PBT_POWERSETTINGCHANGE
constexpr GUID kLidSwitch = {                   // GUID_LIDSWITCH_STATE_CHANGE
    0xBA3E0F4D,
    0xB817,
    0x4094,
    {0xA2, 0xD1, 0xD5, 0x63, 0x79, 0xE6, 0xA0, 0xF3}};
struct PowerSetting {
  GUID setting;
  DWORD length;
  UCHAR data[1];
};
using RegisterSessionNotices = BOOL(WINAPI*)(HWND, DWORD);
using RegisterPowerNotices = void*(WINAPI*)(HANDLE, const GUID*, DWORD);
using UnregisterPowerNotices = BOOL(WINAPI*)(void*);

template <typename Function>
Function Find(HMODULE module, const char* name) {
  return reinterpret_cast<Function>(
      reinterpret_cast<void*>(module ? GetProcAddress(module, name) : nullptr));
}

static_assert(kModCtrl == MOD_CONTROL && kModWin == MOD_WIN && kModShift == MOD_ALT &&
              kModAlt == MOD_SHIFT);

}  // namespace

// The program is destroyed before its windows: their last messages must not
// reach it.
MainWindow::~MainWindow() {
  system_ = nullptr;
  timers_ = nullptr;
  hotkeys_ = nullptr;
  commands_ = nullptr;
  if (lidNotices_) {
    Find<UnregisterPowerNotices>(GetModuleHandleA("user32.dll"),
                                 "UnregisterPowerSettingNotification")(lidNotices_);
  }
  const auto unregister =
      Find<BOOL(WINAPI*)(HWND)>(sessionNotices_.Get(), "WTSUnRegisterSessionNotification");
  if (unregister && hwnd()) unregister(hwnd());
  if (hwnd()) DestroyWindow(hwnd());
}

// A real top-level window, though never shown: message-only windows never
// get the broadcasts, TaskbarCreated among them, which an elevated copy lets
// in from the shell.
bool MainWindow::Create(SystemEvents& system, TimerEvents& timers, HotkeyEvents& hotkeys) {
  system_ = &system;
  timers_ = &timers;
  hotkeys_ = &hotkeys;
  RegisterClassOnce(kMainWindowClass, Window::Procedure);
  if (!Reported("CreateWindowEx",
                CreateWindowExA(0, kMainWindowClass, BLINKWARD_NAME, WS_POPUP, 0, 0, 0, 0, nullptr,
                                nullptr, GetModuleHandleA(nullptr), static_cast<Window*>(this)))) {
    return false;
  }
  taskbarCreated_ = RegisterWindowMessageA("TaskbarCreated");
  AllowFromLowerLevels(hwnd(), taskbarCreated_);
  filterOpen_ = OpensToLowerLevels(IntegrityLevel(GetCurrentProcess()));
  if (filterOpen_) AllowFromLowerLevels(hwnd(), WM_COPYDATA);
  ListenForLockAndLid();
  return true;
}

// The lock from XP on, the lid from Vista on: a system without the call never
// tells, and the program holds as before. The lid's state comes at once.
void MainWindow::ListenForLockAndLid() {
  sessionNotices_.Reset(LoadLibraryA("wtsapi32.dll"));
  const auto listen =
      Find<RegisterSessionNotices>(sessionNotices_.Get(), "WTSRegisterSessionNotification");
  constexpr DWORD kThisSession = 0;  // NOTIFY_FOR_THIS_SESSION
  if (listen && !listen(hwnd(), kThisSession)) ReportLastError("WTSRegisterSessionNotification");
  const auto lid = Find<RegisterPowerNotices>(GetModuleHandleA("user32.dll"),
                                              "RegisterPowerSettingNotification");
  constexpr DWORD kToWindow = 0;  // DEVICE_NOTIFY_WINDOW_HANDLE
  if (lid) {
    lidNotices_ = Reported("RegisterPowerSettingNotification", lid(hwnd(), &kLidSwitch, kToWindow));
  }
}

void MainWindow::OnPowerSetting(const void* setting) {
  const auto& power = *static_cast<const PowerSetting*>(setting);
  if (IsEqualGUID(power.setting, kLidSwitch) && power.length >= sizeof(DWORD)) {
    DWORD open = 0;
    CopyMemory(&open, power.data, sizeof open);
    system_->OnLidChanged(open == 0);
  }
}

LRESULT MainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!system_) return DefWindowProcW(hwnd(), message, wParam, lParam);
  switch (message) {
    case WM_TIMER:
      if (wParam == kKeyWatchTimer) {
        if (!(GetAsyncKeyState(static_cast<int>(heldKey_)) & 0x8000)) {
          heldKey_ = 0;
          KillTimer(hwnd(), kKeyWatchTimer);
        }
      } else {
        timers_->OnTimer(static_cast<TimerId>(wParam));
      }
      return 0;
    case WM_HOTKEY:
      OnHotkeyPressed(HIWORD(lParam));
      return 0;
    case WM_COPYDATA:
      return OnCopyData(reinterpret_cast<HWND>(wParam),
                        *reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    default:
      return OnBroadcast(message, wParam, lParam);
  }
}

LRESULT MainWindow::OnBroadcast(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      if (wParam) system_->OnEndSession();
      return 0;
    case WM_TIMECHANGE:
      system_->OnTimeChanged();
      return 0;
    case kSessionChange:
      if (wParam == kSessionLock || wParam == kSessionUnlock) {
        system_->OnSessionLocked(wParam == kSessionLock);
      }
      return 0;
    case WM_POWERBROADCAST:
      // A resume may have slept through a change of the local time.
      if (wParam == PBT_APMPOWERSTATUSCHANGE) system_->OnPowerSourceChanged();
      if (wParam == kPowerSettingChange && lParam) OnPowerSetting(reinterpret_cast<void*>(lParam));
      if (wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND) {
        system_->OnTimeChanged();
      }
      return TRUE;
    case WM_SETTINGCHANGE:
      if (lParam && lstrcmpiW(reinterpret_cast<const wchar_t*>(lParam), L"Policy") == 0) {
        system_->OnPolicyChanged();
      }
      break;
    default:
      if (message == taskbarCreated_ && taskbarCreated_ != 0) {
        system_->OnTaskbarCreated();
        return 0;
      }
      break;
  }
  return DefWindowProcW(hwnd(), message, wParam, lParam);
}

// Its key is watched until it is let go: the system reports only presses.
void MainWindow::OnHotkeyPressed(UINT key) {
  const bool repeat = heldKey_ != 0;
  heldKey_ = key;
  SetTimer(hwnd(), kKeyWatchTimer, kKeyWatchMs, nullptr);
  hotkeys_->OnHotkey(repeat);
}

// Another copy's command: its tag, a size within bounds and one zero, at its
// end, and the caller's answer window, or it is ignored; where the filter is
// open, so is one whose caller runs below an ordinary program. Until the
// program has started it is put off, and the caller asks again. The
// command's own rules come next. The line goes back before the result.
LRESULT MainWindow::OnCopyData(HWND caller, const COPYDATASTRUCT& data) {
  const auto* bytes = static_cast<const char*>(data.lpData);
  if (data.dwData != kCommandTag || !bytes || data.cbData == 0 || data.cbData > kCommandMaxBytes ||
      bytes[data.cbData - 1] != '\0') {
    return 0;
  }
  const std::string_view text(bytes, data.cbData - 1);
  if (text.find('\0') != std::string_view::npos || !IsAnswerWindow(caller) ||
      (filterOpen_ && !TakesCallerAt(IntegrityLevelOf(caller)))) {
    return 0;
  }
  if (!commands_) return kCommandBusy;
  const std::optional<CommandAnswer> answer = commands_->OnCommand(text);
  if (!answer) return 0;
  if (!answer->line.empty()) {
    COPYDATASTRUCT reply{kAnswerTag, static_cast<DWORD>(answer->line.size()),
                         const_cast<char*>(answer->line.data())};
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutA(caller, WM_COPYDATA, reinterpret_cast<WPARAM>(hwnd()),
                             reinterpret_cast<LPARAM>(&reply), SMTO_BLOCK | SMTO_ABORTIFHUNG,
                             kAnswerWaitMs, &ignored)) {
      ReportLastError("SendMessageTimeout");
    }
  }
  return kCommandTaken + answer->exitCode;
}

void MainWindow::StartTimer(TimerId id, int intervalMs) {
  Reported("SetTimer", SetTimer(hwnd(), static_cast<UINT_PTR>(id), intervalMs, nullptr));
}

void MainWindow::StopTimer(TimerId id) { KillTimer(hwnd(), static_cast<UINT_PTR>(id)); }

// The new shortcut is taken before the old one goes, so that a refusal keeps
// the old: Windows keeps both when one id is registered twice.
bool MainWindow::RegisterHotkey(Hotkey hotkey) {
  // Shift and Alt trade places.
  const UINT modifiers = (hotkey.modifiers & (kModCtrl | kModWin)) |
                         (hotkey.modifiers & kModShift) << 2 | (hotkey.modifiers & kModAlt) >> 2;
  if (!Reported("RegisterHotKey",
                RegisterHotKey(hwnd(), !hotkeyId_, modifiers | kNoRepeat, hotkey.key))) {
    return false;
  }
  UnregisterHotkey();
  hotkeyId_ = !hotkeyId_;
  return true;
}

// Any top-level window's default handling does it; the system broadcasts
// nothing, so no other program is asked.
void MainWindow::TurnDisplayOff() {
  constexpr LPARAM kMonitorOff = 2;
  SendMessageA(hwnd(), WM_SYSCOMMAND, SC_MONITORPOWER, kMonitorOff);
}

// Its child and the windows it owns go with it.
void MainWindow::Quit() {
  DestroyWindow(hwnd());
  PostQuitMessage(0);
}

}  // namespace bw::win32
