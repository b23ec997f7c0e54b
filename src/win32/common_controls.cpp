#include "win32/common_controls.h"

#include <commctrl.h>

#include "win32/diagnostics.h"

namespace bw::win32 {

bool LoadCommonControls() {
  // Kept loaded for the rest of the run: windows built later use its classes.
  // A later call only counts one more load and registers them once more, which
  // is cheaper than a variable remembering the first (and keeps it out of .data).
  const HMODULE library = Reported("LoadLibrary(comctl32.dll)", LoadLibraryA("comctl32.dll"));
  if (!library) return false;
  using InitFunction = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
  const auto init = reinterpret_cast<InitFunction>(
      reinterpret_cast<void*>(GetProcAddress(library, "InitCommonControlsEx")));
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS |
                                                   ICC_DATE_CLASSES | ICC_HOTKEY_CLASS};
  if (init) init(&classes);
  return true;
}

// The picker shows only the time; any valid date will do.
void SetPickerMinute(HWND picker, int minuteOfDay) {
  SYSTEMTIME time{};
  time.wYear = 2000;
  time.wMonth = time.wDay = 1;
  time.wHour = static_cast<WORD>(minuteOfDay / 60);
  time.wMinute = static_cast<WORD>(minuteOfDay % 60);
  SendMessageA(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
}

int PickerMinute(HWND picker) {
  SYSTEMTIME time{};
  SendMessageA(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
  return MinuteOf(time);
}

int MinuteOf(const SYSTEMTIME& time) { return time.wHour * 60 + time.wMinute; }

}  // namespace bw::win32
