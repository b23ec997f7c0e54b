// A Blinkward.exe started by the test and driven from outside, as the shell,
// a user and other programs would. Every test starts as a first run: no Run
// entry, no stored settings. Names, words and numbers are the program's own.
#pragma once

// shellapi.h needs the types of windows.h.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/settings.h"
#include "tray.h"
#include "tray/popup_menu.h"
#include "win32/main_window.h"
#include "win32/shell.h"

namespace e2e {

// The program's names and words are ASCII: widened as other programs read them.
inline std::wstring W(std::string_view text) { return {text.begin(), text.end()}; }
inline std::wstring TipFor(bool active) { return W(active ? bw::kEnabledTip : bw::kDisabledTip); }

// Waits for what must happen are generous for Wine on a busy 2-core machine;
// what must not happen is watched for three of the program's 250 ms ticks.
inline constexpr DWORD kStartMs = 15000, kWaitMs = 3000, kQuietMs = 750;

std::wstring BlinkwardExePath();  // BLINKWARD_EXE, as a path Wine can start

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

// Text values under HKEY_CURRENT_USER.
std::optional<std::wstring> ReadUserText(const std::wstring& key, const wchar_t* name);
bool WriteUserText(const std::wstring& key, const wchar_t* name, const std::wstring& text);

inline LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kWaitMs, &result);
  return static_cast<LRESULT>(result);
}

// Top-level windows of that process, of that class (null: any).
std::vector<HWND> FindWindows(DWORD pid, const wchar_t* windowClass, bool shownOnly = true);

// A started process: its handle closes with the object; it is not ended by it.
struct Process {
  ~Process() { CloseHandle(handle); }
  bool Start(const std::wstring& exe);
  bool Running() const { return WaitForSingleObject(handle, 0) == WAIT_TIMEOUT; }
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

  // An event on the icon as the shell delivers it, sent without waiting.
  void TrayEvent(UINT event) const {
    SendNotifyMessageW(callback_, bw::win32::kTrayCallbackMessage, bw::win32::kTrayIconId, event);
  }
  bool DeleteIcon() const {
    NOTIFYICONDATAW data{};
    data.cbSize = NOTIFYICONDATAW_V1_SIZE;
    data.hWnd = callback_;
    data.uID = bw::win32::kTrayIconId;
    return Shell_NotifyIconW(NIM_DELETE, &data);
  }

  HWND PopupMenu() const {
    const std::vector<HWND> menus = FindWindows(blinkward_.id, L"#32768");
    return menus.empty() ? nullptr : menus[0];
  }
  // Opens the menu with a right click and chooses by keyboard; true once it closed.
  bool Choose(bw::MenuCommand command) const;
  bool ShowSettings() const {
    return Choose(bw::MenuCommand::Settings) &&
           PumpUntil([this] { return IsWindowVisible(main_) != FALSE; }, kWaitMs);
  }
  HWND OpenTimedDialog() const;  // null if none showed

  Process blinkward_;
  HWND main_ = nullptr, callback_ = nullptr;

 private:
  bool savedScreenSaver_ = true;
};

}  // namespace e2e
