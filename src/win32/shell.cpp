#include "win32/shell.h"

// shellapi.h needs the types of windows.h.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include <cstddef>
#include <cstring>
#include <iterator>
#include <type_traits>

#include "tray/tray_message.h"
#include "win32/diagnostics.h"
#include "win32/res/resource_ids.h"
#include "win32/text.h"
#include "win32/window.h"

namespace bw::win32 {

// On 32-bit Windows the native first-version record is the 152-byte layout
// that the oldest shells take, with the tip, 64 UTF-16 units, at offset 24.
#ifndef _WIN64
static_assert(NOTIFYICONDATAW_V1_SIZE == 152);
static_assert(offsetof(NOTIFYICONDATAW, szTip) == 24);
#endif
static_assert(sizeof(NOTIFYICONDATAW{}.szTip) >= sizeof(TipField));
// The messages the logic decodes are the system's own.
static_assert(kLeftButtonDown == WM_LBUTTONDOWN && kLeftDoubleClick == WM_LBUTTONDBLCLK &&
              kRightButtonUp == WM_RBUTTONUP && kContextMenu == WM_CONTEXTMENU &&
              kKeySelect == NIN_KEYSELECT && kBalloonShow == NIN_BALLOONSHOW &&
              kBalloonClick == NIN_BALLOONUSERCLICK);

namespace {

// By TrayCommand.
constexpr DWORD kMessages[] = {NIM_ADD, NIM_MODIFY, NIM_DELETE, NIM_SETVERSION, NIM_SETFOCUS};
constexpr const char* kCalls[] = {
    "Shell_NotifyIcon(NIM_ADD)", "Shell_NotifyIcon(NIM_MODIFY)", "Shell_NotifyIcon(NIM_DELETE)",
    "Shell_NotifyIcon(NIM_SETVERSION)", "Shell_NotifyIcon(NIM_SETFOCUS)"};

}  // namespace

Shell::Shell() {
  static constexpr int ids[] = {IDI_APP, IDI_STATUS_ENABLED, IDI_STATUS_DISABLED, IDI_STATUS_TIMED};
  const int size = GetSystemMetrics(SM_CXSMICON);
  for (int i = 0; i < kTrayPictureCount; ++i) pictures_[i] = LoadIconResource(ids[i], size);
}

bool Shell::NotifyIcon(TrayCommand command, const TrayIconData& icon) {
  NOTIFYICONDATAW data{};
  // The first-version size: the shell then reads only the fields up to the
  // 64-byte tip, which is all the program fills in. The version asked for
  // lies beyond it: a shorter record would be taken, and ignored. The focus
  // is a command of the same newer shells.
  const bool version = command == TrayCommand::UseKeyboardCallbacks;
  const bool newer = version || command == TrayCommand::SetFocus;
  data.cbSize = newer ? NOTIFYICONDATAW_V2_SIZE : NOTIFYICONDATAW_V1_SIZE;
  data.uVersion = version ? NOTIFYICON_VERSION : 0;
  data.hWnd = window_;
  data.uID = kTrayIconId;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = kTrayCallbackMessage;
  data.hIcon = Picture(icon.picture);
  // The record is the wide one: a tip in any script shows whatever the
  // system's code page.
  std::memcpy(data.szTip, icon.tip.data(), sizeof(TipField));
  static_assert(std::extent_v<decltype(refusals_)> == std::size(kCalls));
  const int index = static_cast<int>(command);
  return refusals_[index].Note(kCalls[index], Shell_NotifyIconW(kMessages[index], &data) != FALSE);
}

// A change of the icon that carries only the balloon: the newer record, whose
// fields hold its title and text.
bool Shell::ShowBalloon(const char* title, const char* text) {
  NOTIFYICONDATAW data{};
  data.cbSize = NOTIFYICONDATAW_V2_SIZE;
  data.hWnd = window_;
  data.uID = kTrayIconId;
  data.uFlags = NIF_INFO;
  data.dwInfoFlags = NIIF_INFO;
  lstrcpynW(data.szInfoTitle, Widen(title).c_str(), std::size(data.szInfoTitle));
  lstrcpynW(data.szInfo, Widen(text).c_str(), std::size(data.szInfo));
  return balloonRefusal_.Note("Shell_NotifyIcon(NIM_MODIFY, NIF_INFO)",
                              Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE);
}

bool Shell::TaskbarExists() { return FindWindowA("Shell_TrayWnd", nullptr) != nullptr; }

}  // namespace bw::win32
