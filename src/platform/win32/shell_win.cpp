#include "platform/win32/shell_win.h"

// shellapi.h needs the types of windows.h.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include <cstddef>
#include <cstring>

#include "platform/win32/handles_win.h"
#include "tray/tray_icon_data.h"

namespace bw::win32 {

// On 32-bit Windows the native record is the 88-byte layout that the program's
// own encoder writes, field for field.
#ifndef _WIN64
static_assert(NOTIFYICONDATAA_V1_SIZE == kTrayRecordSize);
static_assert(offsetof(NOTIFYICONDATAA, szTip) == 24);
#endif
static_assert(sizeof(NOTIFYICONDATAA{}.szTip) >= kTipFieldSize);

namespace {

// The native first-version record the shell takes, built from the program's own.
NOTIFYICONDATAA ToNotifyIconData(const TrayIconData& record) {
  NOTIFYICONDATAA data{};
  // The first-version size: the shell then reads only the fields up to szTip's
  // 64 bytes, which is all the program fills in.
  data.cbSize = NOTIFYICONDATAA_V1_SIZE;
  data.hWnd = FromHandle<HWND>(record.hWnd);
  data.uID = record.uID;
  data.uFlags = record.uFlags;
  data.uCallbackMessage = record.uCallbackMessage;
  data.hIcon = FromHandle<HICON>(record.hIcon);
  std::memcpy(data.szTip, record.szTip.data(), kTipFieldSize);
  return data;
}

}  // namespace

bool ShellWin::NotifyIcon(std::uint32_t message, const TrayIconData& record) {
  NOTIFYICONDATAA data = ToNotifyIconData(record);
  return Shell_NotifyIconA(message, &data) != FALSE;
}

}  // namespace bw::win32
