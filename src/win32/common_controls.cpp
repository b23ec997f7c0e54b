#include "win32/common_controls.h"

// commctrl.h needs the types of windows.h.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

namespace bw::win32 {

bool LoadCommonControls() {
  // Kept loaded for the rest of the run: windows built later use its classes.
  // A later call only counts one more load and registers them once more, which
  // is cheaper than a variable remembering the first (and keeps it out of .data).
  const HMODULE library = LoadLibraryA("comctl32.dll");
  if (!library) return false;
  using InitFunction = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
  const auto init = reinterpret_cast<InitFunction>(
      reinterpret_cast<void*>(GetProcAddress(library, "InitCommonControlsEx")));
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS};
  if (init) init(&classes);
  return true;
}

}  // namespace bw::win32
