// A Blinkward.exe started by the test and driven from outside, as the shell,
// a user and other programs would. Every test starts as a first run: no Run
// entry, no stored settings. The names of its windows and keys are the
// program's own; what it shows is written out here.
#pragma once

// shellapi.h needs the types of windows.h.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings.h"
#include "tray.h"
#include "tray/popup_menu.h"
#include "win32/main_window.h"
#include "win32/shell.h"
#include "win32/text.h"
#include "win32/tray_window.h"

namespace e2e {

using bw::win32::Widen;
inline std::wstring TipFor(bool active) {
  return active ? L"Screen Saver is ENABLED" : L"Screen Saver is DISABLED";
}

// Waits for what must happen are generous for Wine on a busy 2-core machine
// (one that ends early costs nothing); what must not happen is watched for
// three of the program's 250 ms ticks.
inline constexpr DWORD kStartMs = 20000, kWaitMs = 10000, kQuietMs = 750;

// The popup menu's items, counted from the top without its separators.
inline constexpr int kConfigureItem = 3, kTimedDisableItem = 5, kSettingsItem = 6;

// BLINKWARD_EXE, as a path Wine can start (Z: is the Unix root).
inline std::wstring BlinkwardExePath() {
  std::wstring path = Widen(std::getenv("BLINKWARD_EXE") ? std::getenv("BLINKWARD_EXE") : "");
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

// Text values under HKEY_CURRENT_USER.
inline std::optional<std::wstring> ReadUserText(const std::wstring& key, const wchar_t* name) {
  WCHAR text[1024] = {0};
  DWORD size = sizeof text - sizeof(WCHAR);
  if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_REG_SZ, nullptr, text, &size))
    return {};
  return text;
}
inline bool WriteUserText(const std::wstring& key, const wchar_t* name, const std::wstring& text) {
  return !RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), name, REG_SZ, text.c_str(),
                          static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

inline LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kWaitMs, &result);
  return static_cast<LRESULT>(result);
}

// A top-level window of that process and class; only a shown one unless told.
inline HWND WindowOf(DWORD pid, const std::wstring& windowClass, bool shownOnly = true) {
  for (HWND w = nullptr; (w = FindWindowExW(nullptr, w, windowClass.c_str(), nullptr));) {
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    if (owner == pid && (IsWindowVisible(w) || !shownOnly)) return w;
  }
  return nullptr;
}

// A started process: its handle closes with the object; it is not ended by it.
struct Process {
  ~Process() { Close(); }
  bool Start(const std::wstring& exe, const std::wstring& arguments = {}) {
    Close();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + exe + L"\" " + arguments;
    return CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          nullptr, &startup, &info);
  }
  void Close() { CloseHandle(info.hProcess), CloseHandle(info.hThread), info = {}; }
  bool Running() const { return WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT; }
  PROCESS_INFORMATION info{};
};

class BlinkwardTest : public ::testing::Test {
 protected:
  // A display connection before anything switches the flag "as another program".
  static void SetUpTestSuite() {
    CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  }
  // No Blinkward runs or shows an icon; settings cleared.
  void SetUp() override {
    savedScreenSaver_ = ScreenSaverActive();
    ASSERT_TRUE(PumpUntil([] { return FindTaskbar() != nullptr; }, kStartMs))
        << "no taskbar: run the tests in the Wine session of scripts/test";
    ASSERT_EQ(nullptr, FindWindowW(Widen(bw::win32::kMainWindowClass).c_str(), nullptr))
        << "a Blinkward still runs";
    ASSERT_EQ(0u, BlinkwardTrayIcons().size()) << "an icon of an earlier Blinkward is still shown";
    ClearSettings();
  }
  // Ends it as the logon's end would, which must take the icon away.
  void TearDown() override {
    if (blinkward_.Running() && main_) {
      const LRESULT answer = Send(main_, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
      Send(main_, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
      EXPECT_NE(0, answer) << "Blinkward refused to let the logon end";
      EXPECT_TRUE(PumpUntil([this] { return !blinkward_.Running(); }, kWaitMs))
          << "the end of the logon did not end Blinkward";
      EXPECT_TRUE(WaitForNoIcon()) << "the icon outlived the program";
    }
    Kill();
    SetScreenSaverActive(savedScreenSaver_);
    ClearSettings();
  }
  static void ClearSettings() {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, Widen(bw::kRunKeyPath).c_str(),
                       Widen(bw::kProgramName).c_str());
    RegDeleteTreeW(HKEY_CURRENT_USER, Widen(bw::kRegistryRoot).c_str());
  }

  // Returns once the main window and its callback child exist and the one
  // icon shows the true state (or the tip given); a failure ends the test.
  void StartBlinkward(const std::wstring& exe = BlinkwardExePath(), std::wstring tip = {}) {
    ASSERT_FALSE(exe.empty()) << "BLINKWARD_EXE is not set (CTest sets it)";
    ASSERT_TRUE(blinkward_.Start(exe)) << "CreateProcess failed with error " << GetLastError();
    const std::wstring mainClass = Widen(bw::win32::kMainWindowClass);
    const std::wstring callbackClass = Widen(bw::win32::kTrayCallbackClass);
    ASSERT_TRUE(PumpUntil(
        [&] {
          main_ = FindWindowW(mainClass.c_str(), nullptr);
          callback_ = FindWindowExW(main_, nullptr, callbackClass.c_str(), nullptr);
          return callback_ != nullptr || !blinkward_.Running();
        },
        kStartMs))
        << "no main window with its callback child";
    ASSERT_TRUE(blinkward_.Running()) << "Blinkward ended at start";
    if (tip.empty()) tip = TipFor(ScreenSaverActive());
    ASSERT_TRUE(WaitForTip(tip, kStartMs))
        << BlinkwardTrayIcons().size() << " icons, tip \"" << Tip() << "\"";
  }
  void Kill() {  // and removes the icon a killed program leaves behind
    if (!blinkward_.Running()) return;
    TerminateProcess(blinkward_.info.hProcess, 1);
    WaitForSingleObject(blinkward_.info.hProcess, kWaitMs);
    DeleteIcon();
  }

  std::wstring Tip() const {  // of the one icon; empty unless exactly one shows
    const std::vector<TrayIcon> icons = BlinkwardTrayIcons();
    return icons.size() == 1 ? icons[0].tip : std::wstring();
  }
  bool WaitForTip(const std::wstring& tip, DWORD ms = kWaitMs) const {
    return PumpUntil([&] { return Tip() == tip; }, ms);
  }
  bool WaitForNoIcon() const {
    return PumpUntil([this] { return BlinkwardTrayIcons().empty(); }, kWaitMs);
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

  HWND PopupMenu() const { return WindowOf(blinkward_.info.dwProcessId, L"#32768"); }
  // Opens the menu as the right button does with the newer callbacks, and
  // chooses the item with Down from no item selected, which passes over
  // separators. A click that lands while the program still handles the last
  // one is dropped, as the user's would be: it clicks again.
  bool Choose(int item) const {
    bool open = false;
    for (int click = 0; click < 3 && !open; ++click) {
      for (UINT event : {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_CONTEXTMENU}) TrayEvent(event);
      open = PumpUntil([this] { return PopupMenu() != nullptr; }, kWaitMs / 3);
    }
    if (!open) return false;
    for (int down = 0; down < item; ++down) PostMessageW(PopupMenu(), WM_KEYDOWN, VK_DOWN, 1);
    PostMessageW(PopupMenu(), WM_KEYDOWN, VK_RETURN, 1);
    return PumpUntil([this] { return PopupMenu() == nullptr; }, kWaitMs);
  }

  Process blinkward_;
  HWND main_ = nullptr, callback_ = nullptr;

 private:
  bool savedScreenSaver_ = true;
};

}  // namespace e2e
