#include "win32/shell.h"

// shellapi.h needs the types of windows.h.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include <algorithm>
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

// On 32-bit Windows the native first-version record is the 88-byte layout
// that the oldest shells take, with the tip at offset 24.
#ifndef _WIN64
static_assert(NOTIFYICONDATAA_V1_SIZE == 88);
static_assert(offsetof(NOTIFYICONDATAA, szTip) == 24);
#endif
static_assert(sizeof(NOTIFYICONDATAA{}.szTip) >= kTipFieldSize);
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
  NOTIFYICONDATAA data{};
  // The first-version size: the shell then reads only the fields up to the
  // 64-byte tip, which is all the program fills in. The version asked for
  // lies beyond it: a shorter record would be taken, and ignored. The focus
  // is a command of the same newer shells.
  const bool version = command == TrayCommand::UseKeyboardCallbacks;
  const bool newer = version || command == TrayCommand::SetFocus;
  data.cbSize = newer ? NOTIFYICONDATAA_V2_SIZE : NOTIFYICONDATAA_V1_SIZE;
  data.uVersion = version ? NOTIFYICON_VERSION : 0;
  data.hWnd = window_;
  data.uID = kTrayIconId;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = kTrayCallbackMessage;
  data.hIcon = Picture(icon.picture);
  std::memcpy(data.szTip, icon.tip.data(), kTipFieldSize);
  // The record is the ANSI one: a tip with more than ASCII (a listed
  // program's name) goes in the system's code page.
  const char* const end = std::find(icon.tip.begin(), icon.tip.end(), '\0');
  if (std::any_of(icon.tip.begin(), end, [](char c) { return c & 0x80; })) {
    const std::wstring wide = Widen(std::string_view(icon.tip.data(), end - icon.tip.begin()));
    const int length = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()),
                                           data.szTip, kTipTextMax, nullptr, nullptr);
    data.szTip[length] = '\0';
  }
  static_assert(std::extent_v<decltype(refusals_)> == std::size(kCalls));
  const int index = static_cast<int>(command);
  return refusals_[index].Note(kCalls[index], Shell_NotifyIconA(kMessages[index], &data) != FALSE);
}

// A change of the icon that carries only the balloon: the newer record, whose
// fields hold its title and text.
bool Shell::ShowBalloon(const char* title, const char* text) {
  NOTIFYICONDATAA data{};
  data.cbSize = NOTIFYICONDATAA_V2_SIZE;
  data.hWnd = window_;
  data.uID = kTrayIconId;
  data.uFlags = NIF_INFO;
  data.dwInfoFlags = NIIF_INFO;
  lstrcpynA(data.szInfoTitle, title, sizeof data.szInfoTitle);
  lstrcpynA(data.szInfo, text, sizeof data.szInfo);
  return balloonRefusal_.Note("Shell_NotifyIcon(NIM_MODIFY, NIF_INFO)",
                              Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE);
}

bool Shell::TaskbarExists() { return FindWindowA("Shell_TrayWnd", nullptr) != nullptr; }

}  // namespace bw::win32
