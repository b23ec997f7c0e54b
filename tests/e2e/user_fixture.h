// A user at Blinkward's tray icon and in its windows, imitated from outside:
// tray events as the shell sends them, the popup menu by its keyboard, the
// settings window's controls and the timed-disable dialog by their messages.
// Every test starts as a user's first run: no Run entry, no stored click method.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "blinkward_fixture.h"

namespace e2e {

// The popup menu's items as the Down arrow reaches them (it skips separators).
enum class MenuChoice : int {
  StartScreenSaver = 1,
  ConfigureScreenSaver = 2,
  SelectScreenSaver = 3,
  TimedDisable = 4,  // "Enable Screen Saver" while a timed disable runs
  ConfigureProgram = 5,
  Exit = 6,
};

// The click methods, as items of the settings window's combo box.
inline constexpr int kSingleClick = 0;
inline constexpr int kDoubleClick = 1;

// The two settings that outlive a run.
inline constexpr wchar_t kRunKeyPath[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr wchar_t kRunValueName[] = L"Blinkward";
inline constexpr wchar_t kMethodKeyPath[] = L"Software\\Blinkward\\Method";  // default value

// How long to watch for something that must NOT happen: three poller ticks.
inline constexpr DWORD kQuietMs = 750;

struct RegistryValue {
  DWORD type = REG_NONE;
  std::vector<BYTE> data;
  // The data as text (REG_SZ), without the terminating NUL.
  std::wstring Text() const;
};

// HKEY_CURRENT_USER values, read and written as another program would.
std::optional<RegistryValue> ReadUserValue(const wchar_t* keyPath, const wchar_t* name);
bool WriteUserValue(const wchar_t* keyPath, const wchar_t* name, const RegistryValue& value);
RegistryValue TextValue(const std::wstring& text);  // REG_SZ, NUL included
void DeleteUserValue(const wchar_t* keyPath, const wchar_t* name);

// The countdown's tip while a timed disable runs.
std::wstring CountdownTip(const std::wstring& secondLine);

// A real mouse click in the middle of the icon, through the system's input
// queue (press and release flags of MOUSEINPUT); the mouse is moved away after.
bool MouseClickAt(const TrayIcon& icon, DWORD press, DWORD release);

// The controls of the timed-disable dialog that a user works with.
struct TimedDialog {
  HWND window = nullptr;
  HWND hours = nullptr;    // the field whose up-down stops at 15
  HWND minutes = nullptr;  // the field whose up-down goes to 59
  HWND ok = nullptr;
};

class UserTest : public BlinkwardTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // One mouse message over the icon, delivered as the shell does: the icon's
  // callback message 512, sent without waiting, lParam the mouse message.
  void TrayEvent(UINT mouseMessage) const;
  // A left click (press, release) and the second half of a double click
  // (double-click message, release), as the shell reports them.
  void Click() const;
  void SecondClick() const;

  // Blinkward's popup menu while it is shown, else null.
  HWND PopupMenu() const;
  // The right button pressed and released over the icon; true once the menu shows.
  bool OpenPopupMenu() const;
  // Chooses an item of the open menu with the keyboard; true once it has closed.
  bool ChooseFromOpenMenu(MenuChoice item) const;
  // Opens the menu and chooses the item.
  bool Choose(MenuChoice item) const;
  // Esc; true once the menu has closed.
  bool DismissPopupMenu() const;

  // The settings window's check box and combo box.
  HWND WindowsStartBox() const;
  HWND MethodBox() const;
  int CheckState(HWND box) const;
  // BM_CLICK: the button acts as on a mouse click.
  void PressButton(HWND button) const;
  int SelectedMethod() const;
  // Moves the combo box's selection with the arrow keys, as a user with the
  // keyboard would; true when it ends on `method`.
  bool SelectMethodWithKeys(int method) const;

  // The tip of Blinkward's one icon, the countdown included (Tip() knows only
  // the status tips); empty unless exactly one such icon is shown.
  std::wstring ShownTip() const;
  bool WaitForShownTip(const std::wstring& tip, DWORD ms) const;

  // The timed-disable dialog while it is shown; its window is null otherwise.
  TimedDialog FindTimedDialog() const;
  // Types the span into the open dialog and presses OK.
  void EnterSpanAndPressOk(const TimedDialog& dialog, const wchar_t* hours,
                           const wchar_t* minutes) const;
  // Menu, dialog, 0 hours and 1 minute, OK, and the first tick's countdown tip.
  void StartOneMinuteTimedDisable();
};

}  // namespace e2e
