#include "screen_saver.h"

namespace e2e {

void ConnectToDisplay() {
  static HWND window = CreateWindowExW(0, L"STATIC", L"e2e display connection", WS_POPUP, 0, 0, 1,
                                       1, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  (void)window;
}

bool ScreenSaverActive() {
  BOOL active = FALSE;
  SystemParametersInfoW(SPI_GETSCREENSAVEACTIVE, 0, &active, 0);
  return active != FALSE;
}

bool SetScreenSaverActive(bool active) {
  SystemParametersInfoW(SPI_SETSCREENSAVEACTIVE, active ? TRUE : FALSE, nullptr, 0);
  return ScreenSaverActive() == active;
}

}  // namespace e2e
