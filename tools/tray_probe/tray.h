// The notification area of Wine's shell desktop ("Shell_TrayWnd" of
// explorer.exe) as another program sees it.
//
// Wine 8 draws every icon into the taskbar itself and gives each its own
// tooltip window, owned by the taskbar, with one tool whose rectangle is where
// the icon is drawn (empty once the icon is removed; Wine keeps the window).
// So the icons shown are those tooltips with a non-empty tool rectangle.
// Wine 10 gives each icon a visible child window of the taskbar, which owns
// the icon's tooltip (a tool without a rectangle). Either way an icon's tip is
// its tool's text. Windows' own taskbar is built differently.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "pump.h"

namespace e2e {

struct TrayIcon {
  HWND tooltip = nullptr;  // the shell's tooltip window for this icon
  RECT screenRect{};       // where the icon is drawn
  std::wstring tip;        // the tip text the shell holds for it
};

HWND FindTaskbar();
std::vector<TrayIcon> VisibleTrayIcons();
// Blinkward's icons: tip "Blinkward" or one starting "Screen Saver ", or in
// Russian, the language the end-to-end tests also run in, "Заставка ".
std::vector<TrayIcon> BlinkwardTrayIcons();

// Rests the mouse on the icon and returns the tooltip the shell then shows, as
// a user sees it (empty if none shows within timeoutMs).
std::wstring HoverTip(const TrayIcon& icon, DWORD timeoutMs);

}  // namespace e2e
