// The notification area as another program sees it, under Wine 8's shell
// desktop ("Shell_TrayWnd" of explorer.exe).
//
// Wine 8 draws every icon into the taskbar window itself and gives each icon
// its own tooltip window, owned by the taskbar, with one tool whose rectangle
// is where the icon is drawn (empty once the icon is removed; Wine keeps the
// window). So the icons shown are the taskbar's tooltips with a non-empty tool
// rectangle, and an icon's tip is its tool's text, read with TTM_ENUMTOOLSW
// through a buffer in explorer's memory. That is the text the shell shows on
// hover (HoverTip checks the same text the way a user sees it). Windows'
// own taskbar is built differently: these helpers are for Wine.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// One icon of the notification area as the shell shows it.
struct TrayIcon {
  HWND tooltip = nullptr;  // the shell's tooltip window for this icon
  RECT screenRect{};       // where the icon is drawn, in screen coordinates
  std::wstring tip;        // the tip text the shell holds for it
};

// The taskbar window, or null while the desktop is not up.
HWND FindTaskbar();

// The icons shown now, in the order of their tooltip windows.
std::vector<TrayIcon> VisibleTrayIcons();

// The icons shown now whose tip is one of Blinkward's: "Blinkward" or one
// that starts with "Screen Saver is".
std::vector<TrayIcon> BlinkwardTrayIcons();

// Moves the mouse onto the icon and returns the text of the tooltip that the
// shell then shows (empty if none shows within timeoutMs). Moves the mouse
// away again afterwards.
std::wstring HoverTip(const TrayIcon& icon, DWORD timeoutMs);

// Shell_NotifyIcon(NIM_DELETE) for the icon (owner, id): what the shell does
// to an icon when it restarts, and the way to clear the icon of a program
// that was killed.
bool DeleteTrayIcon(HWND owner, UINT id);

}  // namespace e2e
