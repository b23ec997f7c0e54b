// A Blinkward.exe started by the test and driven from outside, as the shell, a
// user and other programs would: tray events as the shell sends them, the
// popup menu by its keyboard, the windows by their messages, the settings in
// the registry. Every test starts as a user's first run: no Run entry, no
// stored click method.
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

// Waits for what must happen: generous for Wine on a busy 2-core machine (the
// program itself reacts within its 250 ms tick).
inline constexpr DWORD kStartMs = 15000;
inline constexpr DWORD kExitMs = 5000;
inline constexpr DWORD kTipMs = 3000;
// How long to watch for something that must NOT happen: three ticks.
inline constexpr DWORD kQuietMs = 750;

// The popup menu's items as the Down arrow reaches them (it skips separators);
// item 4 reads "Enable Screen Saver" while a timed disable runs.
enum class MenuChoice : int {
  ConfigureScreenSaver = 2,
  TimedDisable = 4,
  ConfigureProgram = 5,
  Exit = 6
};
// The click methods, as items of the settings window's combo box.
inline constexpr int kSingleClick = 0, kDoubleClick = 1;

std::wstring TipFor(bool screenSaverActive);
std::wstring CountdownTip(const std::wstring& secondLine);
// Blinkward.exe as CTest gives it in BLINKWARD_EXE, as a path Wine can start.
std::wstring BlinkwardExePath();

// The screen-saver flag as another program sees it. Under Wine's X11 driver it
// is the X server's setting, reached only through a display connection, which
// this process opens by owning a window: ConnectToDisplay, once, first.
void ConnectToDisplay();
bool ScreenSaverActive();
// Switches it for the logon only and reads it back; true when that agrees.
bool SetScreenSaverActive(bool active);

// HKEY_CURRENT_USER text values as another program reads and writes them;
// a value of another type reads as "<not REG_SZ>".
std::optional<std::wstring> ReadUserText(const wchar_t* keyPath, const wchar_t* name);
bool WriteUserText(const wchar_t* keyPath, const wchar_t* name, const std::wstring& text);

// Messages to Blinkward's windows, with a timeout.
LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
std::wstring TextOf(HWND window);
// The top-level windows of a process, of that class and text when given.
std::vector<HWND> TopLevelWindowsOf(DWORD pid, const wchar_t* windowClass = nullptr,
                                    const wchar_t* text = nullptr, bool shownOnly = false);

// A child process; its handle is closed with the object, the process is not
// ended by it (the test says how a program ends).
class Process {
 public:
  Process() = default;
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  ~Process();
  // Starts `exe` (ending nothing that ran before); false when CreateProcess fails.
  bool Start(const std::wstring& exe);
  DWORD id() const { return id_; }
  bool running() const;
  bool WaitForExit(DWORD ms) const;  // pumping meanwhile
  void Kill() const;

 private:
  HANDLE handle_ = nullptr;
  DWORD id_ = 0;
};

// The controls of the timed-disable dialog that a user works with; hours is
// the field whose up-down stops at 15.
struct TimedDialog {
  HWND window = nullptr, hours = nullptr, minutes = nullptr, ok = nullptr;
};

class BlinkwardTest : public ::testing::Test {
 protected:
  // Checks that the desktop is up and no Blinkward runs or shows an icon,
  // remembers the screen-saver flag and clears both settings.
  void SetUp() override;
  // Ends Blinkward as the end of the logon would (or kills it and clears its
  // icon), restores the flag and clears both settings.
  void TearDown() override;

  // Starts Blinkward.exe (or a copy of it); returns once its main window and
  // callback child exist and its one icon shows the true state. A failure
  // ends the test.
  void StartBlinkward(const std::wstring& exe = BlinkwardExePath());

  std::vector<TrayIcon> Icons() const { return BlinkwardTrayIcons(); }
  // The tip of the one Blinkward icon; empty unless exactly one is shown.
  std::wstring Tip() const;
  bool WaitForTip(const std::wstring& tip, DWORD ms) const;
  // True once the screen saver is in `active` state within `ms`.
  static bool WaitForScreenSaver(bool active, DWORD ms);

  // WM_QUERYENDSESSION, then WM_ENDSESSION(TRUE); returns the first's answer.
  LRESULT SendEndOfLogon() const;

  // Mouse messages on the icon as the shell delivers them: the callback
  // message 512, sent without waiting, lParam the mouse message.
  void TrayEvent(UINT mouseMessage) const;
  void Click() const;        // press, release
  void SecondClick() const;  // the second half of a double click
  // Shell_NotifyIcon(NIM_DELETE) of Blinkward's icon (owner, 1).
  bool DeleteIcon() const;

  HWND PopupMenu() const;  // Blinkward's popup menu while shown, else null
  bool OpenPopupMenu() const;
  // Chooses with the keyboard; true once the menu has closed.
  bool ChooseFromOpenMenu(MenuChoice item) const;
  bool Choose(MenuChoice item) const { return OpenPopupMenu() && ChooseFromOpenMenu(item); }
  bool DismissPopupMenu() const;

  // "Configure program"; true once the settings window shows.
  bool ShowSettings() const;
  HWND WindowsStartBox() const;
  HWND MethodBox() const;
  int SelectedMethod() const;
  // Moves the combo box's selection with the arrow keys, as a user would.
  bool SelectMethodWithKeys(int method) const;

  // "Temporarily disable Screen Saver"; the dialog's window is null unless it shows.
  TimedDialog OpenTimedDialog() const;
  TimedDialog FindTimedDialog() const;
  void EnterSpanAndPressOk(const TimedDialog& dialog, const wchar_t* hours,
                           const wchar_t* minutes) const;

  Process blinkward_;
  HWND main_ = nullptr;      // class BlinkwardSettings, caption "Settings"
  HWND callback_ = nullptr;  // class BlinkwardStatusOutput, the icon's owner

 private:
  bool savedScreenSaver_ = true;
};

}  // namespace e2e
