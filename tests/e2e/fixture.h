// A Blinkward.exe started by the test and driven from outside, as the shell,
// a user and other programs would. Every test starts as a first run: no Run
// entry, no stored click method.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "tray.h"

namespace e2e {

inline constexpr wchar_t kEnabledTip[] = L"Screen Saver is ENABLED";
inline constexpr wchar_t kDisabledTip[] = L"Screen Saver is DISABLED";
inline constexpr wchar_t kRunKeyPath[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr wchar_t kMethodKeyPath[] = L"Software\\Blinkward\\Method";  // default value
// Waits for what must happen are generous for Wine on a busy 2-core machine;
// what must not happen is watched for three of the program's 250 ms ticks.
inline constexpr DWORD kStartMs = 15000, kWaitMs = 3000, kQuietMs = 750;

// The popup menu's items as the Down arrow reaches them (it skips separators).
enum class MenuChoice {
  ConfigureScreenSaver = 2,
  TimedDisable = 4,
  ConfigureProgram = 5,
  Exit = 6
};

inline std::wstring TipFor(bool active) { return active ? kEnabledTip : kDisabledTip; }
std::wstring BlinkwardExePath();  // BLINKWARD_EXE, as a path Wine can start

// The flag as another program sees it; under Wine's X11 driver only a process
// with a display connection reaches it (main() opens one).
bool ScreenSaverActive();
bool SetScreenSaverActive(bool active);  // true when the read-back agrees
bool WaitForScreenSaver(bool active, DWORD ms);

std::optional<std::wstring> ReadUserText(const wchar_t* keyPath, const wchar_t* name);
bool WriteUserText(const wchar_t* keyPath, const wchar_t* name, const std::wstring& text);

LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// Descendants, or top-level windows of process `pid`, of that class and text.
std::vector<HWND> Children(HWND parent, const wchar_t* windowClass, const wchar_t* text = nullptr);
std::vector<HWND> TopLevelWindowsOf(DWORD pid, const wchar_t* text = nullptr,
                                    bool shownOnly = true);

// A started process: its handle closes with the object; it is not ended by it.
struct Process {
  ~Process() { CloseHandle(handle); }
  bool Start(const std::wstring& exe);
  bool Running() const { return WaitForSingleObject(handle, 0) == WAIT_TIMEOUT; }
  bool WaitForExit(DWORD ms) const {
    return PumpUntil([this] { return !Running(); }, ms);
  }
  HANDLE handle = nullptr;
  DWORD id = 0;
};

class BlinkwardTest : public ::testing::Test {
 protected:
  void SetUp() override;     // no Blinkward runs or shows an icon; settings cleared
  void TearDown() override;  // ends it as the logon's end would, or kills it

  // Returns once the main window and its callback child exist and the one
  // icon shows the true state; a failure ends the test.
  void StartBlinkward(const std::wstring& exe = BlinkwardExePath());
  void Kill();  // and removes the icon a killed program leaves behind
  std::vector<TrayIcon> Icons() const { return BlinkwardTrayIcons(); }
  std::wstring Tip() const;  // of the one icon; empty unless exactly one shows
  bool WaitForTip(const std::wstring& tip, DWORD ms = kWaitMs) const;
  bool WaitForNoIcon() const;
  LRESULT SendEndOfLogon() const;  // returns the answer to WM_QUERYENDSESSION

  // Mouse messages on the icon as the shell delivers them.
  void TrayEvent(UINT mouseMessage) const;
  void Click() const;        // press, release
  void SecondClick() const;  // the second half of a double click
  bool DeleteIcon() const;   // NIM_DELETE of (callback window, 1)

  HWND PopupMenu() const;  // shown, else null
  // Opens the menu with a right click and chooses by keyboard; true once it closed.
  bool Choose(MenuChoice item) const;
  HWND Control(const wchar_t* windowClass, const wchar_t* text = nullptr) const;  // settings'
  bool ShowSettings() const;
  HWND OpenTimedDialog() const;  // null if none showed
  static void PressOk(HWND dialog, const wchar_t* hours, const wchar_t* minutes);

  Process blinkward_;
  HWND main_ = nullptr, callback_ = nullptr;

 private:
  bool savedScreenSaver_ = true;
};

}  // namespace e2e
