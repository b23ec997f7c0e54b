// A Blinkward.exe started by the test and driven from outside, as the shell,
// a user and other programs would. Every test starts as a first run: no Run
// entry, no stored click method.
#pragma once

// shellapi.h needs the types of windows.h.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "tray.h"

namespace e2e {

inline constexpr wchar_t kEnabledTip[] = L"Screen Saver is ENABLED";
inline constexpr wchar_t kDisabledTip[] = L"Screen Saver is DISABLED";
inline constexpr wchar_t kRunKeyPath[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
// Waits for what must happen are generous for Wine on a busy 2-core machine;
// what must not happen is watched for three of the program's 250 ms ticks.
inline constexpr DWORD kStartMs = 15000, kWaitMs = 3000, kQuietMs = 750;

// The popup menu's items as the Down arrow reaches them (it skips separators).
enum MenuChoice { kConfigureScreenSaver = 2, kTimedDisable = 4, kConfigureProgram = 5 };

inline std::wstring TipFor(bool active) { return active ? kEnabledTip : kDisabledTip; }

// BLINKWARD_EXE, as a path Wine can start (Z: is the Unix root).
inline std::wstring BlinkwardExePath() {
  const char* env = std::getenv("BLINKWARD_EXE");
  std::wstring path(env, env ? env + std::strlen(env) : env);
  for (wchar_t& c : path) c = c == L'/' ? L'\\' : c;
  return path.empty() || path[0] != L'\\' ? path : L"Z:" + path;
}

// The flag as another program sees it; under Wine's X11 driver only a process
// with a display connection reaches it (SetUpTestSuite opens one).
inline bool ScreenSaverActive() {
  BOOL active = FALSE;
  SystemParametersInfoW(SPI_GETSCREENSAVEACTIVE, 0, &active, 0);
  return active != FALSE;
}
inline bool SetScreenSaverActive(bool active) {  // true when the read-back agrees
  SystemParametersInfoW(SPI_SETSCREENSAVEACTIVE, active, nullptr, 0);
  return ScreenSaverActive() == active;
}
inline bool WaitForScreenSaver(bool active, DWORD ms) {
  return PumpUntil([active] { return ScreenSaverActive() == active; }, ms);
}

inline std::optional<std::wstring> ReadUserText(const wchar_t* keyPath, const wchar_t* name) {
  WCHAR text[1024] = {0};
  DWORD size = sizeof text - sizeof(WCHAR);
  if (RegGetValueW(HKEY_CURRENT_USER, keyPath, name, RRF_RT_REG_SZ, nullptr, text, &size))
    return {};
  return text;
}
inline bool WriteUserText(const wchar_t* keyPath, const wchar_t* name, const std::wstring& text) {
  return !RegSetKeyValueW(HKEY_CURRENT_USER, keyPath, name, REG_SZ, text.c_str(),
                          static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

inline LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kWaitMs, &result);
  return static_cast<LRESULT>(result);
}

// Windows of that process (0: any), class and text (null: any); children of
// `parent`, or top-level windows when it is null.
std::vector<HWND> FindWindows(HWND parent, DWORD pid, const wchar_t* windowClass,
                              const wchar_t* text = nullptr, bool shownOnly = true);
inline HWND FindWindowIn(HWND parent, const wchar_t* windowClass, const wchar_t* text = nullptr) {
  const std::vector<HWND> found = FindWindows(parent, 0, windowClass, text, false);
  return found.empty() ? nullptr : found[0];
}

inline void PostKey(HWND window, WPARAM key) {
  PostMessageW(window, WM_KEYDOWN, key, 1);
  PostMessageW(window, WM_KEYUP, key, 1 | (3u << 30));
}

// A started process: its handle closes with the object; it is not ended by it.
struct Process {
  ~Process() { CloseHandle(handle); }
  bool Start(const std::wstring& exe) {
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info)) {
      return false;
    }
    CloseHandle(info.hThread);
    CloseHandle(handle);
    handle = info.hProcess;
    id = info.dwProcessId;
    return true;
  }
  bool Running() const { return WaitForSingleObject(handle, 0) == WAIT_TIMEOUT; }
  bool WaitForExit(DWORD ms) const {
    return PumpUntil([this] { return !Running(); }, ms);
  }
  HANDLE handle = nullptr;
  DWORD id = 0;
};

class BlinkwardTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  void SetUp() override;     // no Blinkward runs or shows an icon; settings cleared
  void TearDown() override;  // ends it as the logon's end would, which must take the icon away

  // Returns once the main window and its callback child exist and the one
  // icon shows the true state (or the tip given); a failure ends the test.
  void StartBlinkward(const std::wstring& exe = BlinkwardExePath(), std::wstring tip = {});
  void Kill();  // and removes the icon a killed program leaves behind

  std::vector<TrayIcon> Icons() const { return BlinkwardTrayIcons(); }
  std::wstring Tip() const {  // of the one icon; empty unless exactly one shows
    const std::vector<TrayIcon> icons = Icons();
    return icons.size() == 1 ? icons[0].tip : std::wstring();
  }
  bool WaitForTip(const std::wstring& tip, DWORD ms = kWaitMs) const {
    return PumpUntil([&] { return Tip() == tip; }, ms);
  }
  bool WaitForNoIcon() const {
    return PumpUntil([this] { return Icons().empty(); }, kWaitMs);
  }
  LRESULT SendEndOfLogon() const {  // the answer to WM_QUERYENDSESSION
    const LRESULT answer = Send(main_, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
    Send(main_, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    return answer;
  }

  // A mouse message on the icon as the shell delivers it: the callback
  // message 512 for icon 1, sent without waiting.
  void TrayEvent(UINT mouse) const { SendNotifyMessageW(callback_, 512, 1, mouse); }
  void Click() const { TrayEvent(WM_LBUTTONDOWN), TrayEvent(WM_LBUTTONUP); }
  void SecondClick() const { TrayEvent(WM_LBUTTONDBLCLK), TrayEvent(WM_LBUTTONUP); }
  bool DeleteIcon() const {
    NOTIFYICONDATAW data{};
    data.cbSize = NOTIFYICONDATAW_V1_SIZE;
    data.hWnd = callback_;
    data.uID = 1;
    return Shell_NotifyIconW(NIM_DELETE, &data);
  }

  HWND PopupMenu() const {
    const std::vector<HWND> menus = FindWindows(nullptr, blinkward_.id, L"#32768");
    return menus.empty() ? nullptr : menus[0];
  }
  // Opens the menu with a right click and chooses by keyboard; true once it closed.
  bool Choose(MenuChoice item) const;
  HWND Control(const wchar_t* windowClass, const wchar_t* text = nullptr) const {
    return FindWindowIn(main_, windowClass, text);
  }
  bool ShowSettings() const {
    return Choose(kConfigureProgram) &&
           PumpUntil([this] { return IsWindowVisible(main_) != FALSE; }, kWaitMs);
  }
  HWND OpenTimedDialog() const;  // null if none showed
  static void PressOk(HWND dialog, const wchar_t* hours, const wchar_t* minutes);

  Process blinkward_;
  HWND main_ = nullptr, callback_ = nullptr;

 private:
  bool savedScreenSaver_ = true;
};

}  // namespace e2e
