// A Blinkward.exe started by the test and observed from outside, as the shell
// and other programs see it.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "process.h"
#include "tray.h"

namespace e2e {

// The program's outside contract.
inline constexpr wchar_t kMainClass[] = L"BlinkwardSettings";  // main window
inline constexpr wchar_t kMainCaption[] = L"Settings";
inline constexpr wchar_t kCallbackClass[] = L"BlinkwardStatusOutput";  // the icon's owner
inline constexpr UINT kIconId = 1;
inline constexpr wchar_t kStartupTip[] = L"Blinkward";
inline constexpr wchar_t kEnabledTip[] = L"Screen Saver is ENABLED";
inline constexpr wchar_t kDisabledTip[] = L"Screen Saver is DISABLED";

// How long a test waits for something that must happen: generous for Wine on
// a busy 2-core machine (the program itself reacts within its 250 ms tick).
inline constexpr DWORD kStartMs = 15000;  // launch until window and icon exist
inline constexpr DWORD kExitMs = 5000;    // for a process to end
inline constexpr DWORD kTipMs = 3000;     // for a tip to change

std::wstring TipFor(bool screenSaverActive);

// Blinkward.exe as CTest gives it in BLINKWARD_EXE, as a path Wine can start.
std::wstring BlinkwardExePath();

class BlinkwardTest : public ::testing::Test {
 protected:
  // Remembers the screen-saver flag and checks that the desktop is up and
  // that no Blinkward runs or shows an icon.
  void SetUp() override;
  // Ends the Blinkward it started (as the end of the logon would, or killed
  // with its icon cleared) and restores the flag.
  void TearDown() override;

  // Starts Blinkward.exe; returns once its main window, its callback window
  // and its icon exist. A failure ends the test.
  void StartBlinkward();

  // Blinkward's icons shown now (tips "Blinkward" or "Screen Saver is ...").
  std::vector<TrayIcon> Icons() const { return BlinkwardTrayIcons(); }

  // The tip of the one Blinkward icon; empty unless exactly one is shown.
  std::wstring Tip() const;

  // True once the one Blinkward icon shows `tip`, within `ms`.
  bool WaitForTip(const std::wstring& tip, DWORD ms) const;

  // What Windows sends a program when the logon ends, with wParam TRUE:
  // WM_QUERYENDSESSION, then WM_ENDSESSION. Returns the first's answer.
  LRESULT SendEndOfLogon() const;

  Process blinkward_;
  HWND main_ = nullptr;      // class BlinkwardSettings
  HWND callback_ = nullptr;  // class BlinkwardStatusOutput, the icon's owner

 private:
  bool savedScreenSaver_ = true;
};

}  // namespace e2e
